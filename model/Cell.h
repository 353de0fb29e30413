#pragma once

/// One value of the frame model: either empty (never written) or a double.
///
/// An empty cell reads as 0 in arithmetic and comparisons, but it is not the
/// same as a stored 0: a text box shows it as the empty text and a report
/// prints nothing for it, whereas a stored 0 prints "0".
class Cell {
public:
    Cell() = default;
    Cell(double value) : value_(value), written_(true) {} // NOLINT: a double is a written cell

    Cell& operator=(double value) {
        value_ = value;
        written_ = true;
        return *this;
    }

    /// The value in arithmetic: 0 for an empty cell.
    double value() const { return written_ ? value_ : 0.0; }
    operator double() const { return value(); } // NOLINT: cells take part in formulas as numbers

    bool isEmpty() const { return !written_; }
    void clear() { *this = Cell(); }

private:
    double value_ = 0.0;
    bool written_ = false;
};
