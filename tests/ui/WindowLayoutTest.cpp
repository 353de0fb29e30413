#include "FormDriver.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>

namespace {

enum class Font { Default, Heading, Prompt, Bold, Box };

struct Control {
    const char* name;
    const char* kind; // Qt class the control must be
    const char* panel;
    const char* caption; // nullptr: no caption to check
    int left, top, width, height;
    Font font;
    QRgb colour; // 0: the default colour
    bool visible;
    bool enabled;
};

constexpr QRgb Red = 0xffff0000, Green = 0xff00c000, Blue = 0xff0000ff, Magenta = 0xffff00ff;

// The layout as drawn up, in twips. Visibility is relative to the panel's window.
const Control Layout[] = {
    {"Frame1", "QGroupBox", "Form1", nullptr, 90, 30, 5895, 3975, Font::Default, 0, false, true},
    {"Frame3", "QGroupBox", "Form1", nullptr, 6120, 30, 4695, 3975, Font::Default, 0, false, true},
    {"Frame2", "QGroupBox", "Form1", nullptr, 2543, 968, 5895, 2775, Font::Default, 0, true, true},
    {"Command2", "QPushButton", "Form1", "&CALCULATE", 323, 4200, 1575, 375, Font::Default, 0,
     false, true},
    {"Command3", "QPushButton", "Form1", "&END", 8843, 4200, 1815, 375, Font::Default, 0, false,
     true},
    {"Label20", "QLabel", "Frame2", "ADD FLOOR", 2130, 240, 1815, 375, Font::Heading, Blue, true,
     true},
    {"Label13", "QLabel", "Frame2", "NAME: -", 75, 600, 975, 375, Font::Prompt, Red, true, true},
    {"Text7", "QLineEdit", "Frame2", "", 1125, 600, 4620, 375, Font::Box, 0, true, true},
    {"Label19", "QLabel", "Frame2", "TOTAL NO. OF FLOORS: -", 75, 1080, 2775, 375, Font::Prompt,
     Red, true, true},
    {"Text11", "QLineEdit", "Frame2", "", 4560, 1080, 1215, 375, Font::Box, 0, true, true},
    {"Label18", "QLabel", "Frame2", "NO. OF COLOUMNS IN EACH FLOOR : -", 75, 1560, 4425, 375,
     Font::Prompt, Red, true, true},
    {"Text12", "QLineEdit", "Frame2", "", 4560, 1560, 1215, 405, Font::Box, 0, true, true},
    {"Command4", "QPushButton", "Frame2", "&OK", 2310, 2280, 1455, 375, Font::Default, 0, true,
     true},
    {"Label1", "QLabel", "Frame1", "ADD JOINT", 2190, 240, 1695, 375, Font::Heading, Blue, false,
     true},
    {"Label2", "QLabel", "Frame1", "FLOOR :- 1", 240, 600, 1455, 255, Font::Bold, Magenta, false,
     true},
    {"Label3", "QLabel", "Frame1", "JOINT NO. : -", 1530, 960, 1815, 375, Font::Prompt, Red, false,
     true},
    {"Text9", "QLineEdit", "Frame1", "", 2970, 960, 1575, 375, Font::Box, 0, false, false},
    {"Label5", "QLabel", "Frame1", "K1 =", 870, 1560, 495, 255, Font::Bold, Green, false, true},
    {"Text1", "QLineEdit", "Frame1", "", 1470, 1560, 1095, 375, Font::Box, 0, false, true},
    {"Label6", "QLabel", "Frame1", "K2 =", 870, 2025, 495, 375, Font::Bold, Green, false, true},
    {"Text2", "QLineEdit", "Frame1", "", 1470, 2025, 1095, 375, Font::Box, 0, false, true},
    {"Label9", "QLabel", "Frame1", "M1 =", 3390, 2040, 615, 255, Font::Bold, Green, false, true},
    {"Text5", "QLineEdit", "Frame1", "", 4110, 2040, 1095, 375, Font::Box, 0, false, true},
    {"Label7", "QLabel", "Frame1", "K3 =", 870, 2505, 495, 255, Font::Bold, Green, false, true},
    {"Text3", "QLineEdit", "Frame1", "", 1470, 2505, 1095, 375, Font::Box, 0, false, true},
    {"Label10", "QLabel", "Frame1", "M2 =", 3390, 2505, 615, 375, Font::Bold, Green, false, true},
    {"Text6", "QLineEdit", "Frame1", "", 4110, 2505, 1095, 375, Font::Box, 0, false, true},
    {"Label8", "QLabel", "Frame1", "K4 = ", 870, 2970, 495, 375, Font::Bold, Green, false, true},
    {"Text4", "QLineEdit", "Frame1", "", 1470, 2970, 1095, 375, Font::Box, 0, false, true},
    {"Command5", "QPushButton", "Frame1", "<--  &BACK", 450, 3480, 1215, 375, Font::Default, 0,
     false, true},
    {"Command1", "QPushButton", "Frame1", "D&ONE", 2310, 3480, 1455, 375, Font::Default, 0, false,
     true},
    {"Command6", "QPushButton", "Frame1", "&NEXT  -->", 4410, 3480, 1215, 375, Font::Default, 0,
     false, true},
    {"Label11", "QLabel", "Frame3", "ADD LOAD", 1680, 240, 1695, 375, Font::Heading, Blue, false,
     true},
    {"Label22", "QLabel", "Frame3", "FLOOR :- ", 240, 600, 1095, 255, Font::Bold, Magenta, false,
     true},
    {"Text14", "QLineEdit", "Frame3", "", 1440, 600, 915, 315, Font::Box, 0, false, true},
    {"Label4", "QLabel", "Frame3", "BAY :- ", 2880, 600, 855, 255, Font::Bold, Magenta, false,
     true},
    {"Text15", "QLineEdit", "Frame3", "", 3720, 600, 915, 315, Font::Box, 0, false, true},
    {"Option1", "QRadioButton", "Frame3", "Point Load system", 240, 1080, 2655, 255, Font::Prompt,
     Red, false, true},
    {"Option2", "QRadioButton", "Frame3", "UDL System", 2640, 1080, 1575, 375, Font::Prompt, Red,
     false, true},
    {"Label12", "QLabel", "Frame3", "UDL 1 (KN/M): -", 240, 1410, 1695, 375, Font::Prompt, Red,
     false, true},
    {"Text8", "QLineEdit", "Frame3", "", 2160, 1410, 2000, 405, Font::Box, 0, false, true},
    {"Label16", "QLabel", "Frame3", "UDL 2 (KN/M): -", 240, 1920, 1695, 375, Font::Prompt, Red,
     false, true},
    {"Text10", "QLineEdit", "Frame3", "", 2160, 1920, 2000, 405, Font::Box, 0, false, true},
    {"Label17", "QLabel", "Frame3", "PT. LOAD 1 (KN): -", 240, 2400, 1935, 375, Font::Prompt, Red,
     false, true},
    {"Text13", "QLineEdit", "Frame3", "", 2160, 2400, 2000, 405, Font::Box, 0, false, true},
    {"Label15", "QLabel", "Frame3", "L = ", 120, 3000, 495, 255, Font::Prompt, Red, false, true},
    {"Text17", "QLineEdit", "Frame3", "", 600, 3000, 1395, 315, Font::Box, 0, false, true},
    {"Label14", "QLabel", "Frame3", "X =", 2400, 3000, 495, 255, Font::Prompt, Red, false, true},
    {"Text16", "QLineEdit", "Frame3", "", 3120, 3000, 1395, 315, Font::Box, 0, false, true},
    {"Command8", "QPushButton", "Frame3", "<--  &BACK", 240, 3480, 1215, 375, Font::Default, 0,
     false, false},
    {"Command9", "QPushButton", "Frame3", "D&ONE", 1680, 3480, 1455, 375, Font::Default, 0, false,
     true},
    {"Command7", "QPushButton", "Frame3", "Next -->", 3360, 3480, 1215, 375, Font::Default, 0,
     false, true},
};

const char* const BuddyPairs[][2] = {
    {"Label13", "Text7"},  {"Label19", "Text11"}, {"Label18", "Text12"}, {"Label3", "Text9"},
    {"Label5", "Text1"},   {"Label6", "Text2"},   {"Label7", "Text3"},   {"Label8", "Text4"},
    {"Label9", "Text5"},   {"Label10", "Text6"},  {"Label22", "Text14"}, {"Label4", "Text15"},
    {"Label12", "Text8"},  {"Label16", "Text10"}, {"Label17", "Text13"}, {"Label15", "Text17"},
    {"Label14", "Text16"},
};

const QStringList KeyboardOrder = {
    "Text7",    "Text11",   "Text12",   "Text1",    "Text2",    "Text3",  "Text4",
    "Text5",    "Text6",    "Command1", "Command6", "Command5", "Text14", "Text15",
    "Option1",  "Option2",  "Text8",    "Text10",   "Text13",   "Text17", "Text16",
    "Command9", "Command7", "Command8", "Command2", "Command3", "Text9",  "Command4",
};

int Pixels(int twips) {
    return static_cast<int>(twips / 15.0 + 0.5);
}

QString CaptionOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    return qobject_cast<const QLineEdit*>(widget)->text();
}

void CheckFont(const Control& row, const QFont& font) {
    if (row.font == Font::Default) {
        return;
    }
    QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(font.pointSizeF(), row.font == Font::Heading ? 15.75 : 12.0);
    QCOMPARE(font.bold(), row.font == Font::Bold);
}

} // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlAsDrawnUp() {
        FormDriver driver;
        int count = 0;
        for (const Control& row : Layout) {
            const QWidget* control = driver.find(row.name);
            const QString where = QString::fromLatin1(row.name);
            QVERIFY2(control->inherits(row.kind), qPrintable(where));
            QCOMPARE(control->parentWidget()->objectName(), QString::fromLatin1(row.panel));
            if (row.caption != nullptr) {
                QCOMPARE(CaptionOf(control), QString::fromLatin1(row.caption));
            }
            QCOMPARE(control->geometry(), QRect(Pixels(row.left), Pixels(row.top),
                                                Pixels(row.width), Pixels(row.height)));
            CheckFont(row, control->font());
            if (row.colour != 0) {
                QCOMPARE(control->palette().color(QPalette::WindowText).rgba(), row.colour);
            }
            QVERIFY2(control->isVisibleTo(&driver.form()) == row.visible, qPrintable(where));
            QVERIFY2(control->isEnabled() == row.enabled, qPrintable(where));
            ++count;
        }
        QCOMPARE(count, 52);
        QVERIFY(!driver.find<QRadioButton>("Option1")->isChecked());
        QVERIFY(!driver.find<QRadioButton>("Option2")->isChecked());
    }

    void windowIsFixedWithCaptionAndIcon() {
        FormDriver driver;
        const QSize client(Pixels(10980), Pixels(4710));
        QCOMPARE(driver.form().size(), client);
        QCOMPARE(driver.form().minimumSize(), client);
        QCOMPARE(driver.form().maximumSize(), client);
        QCOMPARE(driver.form().windowTitle(), QStringLiteral("Velmora Frame Analysis"));
        const QList<QSize> sizes = driver.form().windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    void eachBoxIsNamedByItsLabel() {
        FormDriver driver;
        for (const auto& pair : BuddyPairs) {
            QCOMPARE(driver.find<QLabel>(pair[0])->buddy(), driver.find(pair[1]));
        }
    }

    void keyboardOrderCoversEveryControl() {
        FormDriver driver;
        QStringList chain;
        QWidget* start = driver.find("Text7");
        QWidget* widget = start;
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget != &driver.form()) {
                chain.append(widget->objectName());
            }
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(chain, KeyboardOrder);
    }

    void tabSkipsHiddenAndDisabledControls() {
        FormDriver driver;
        // The setup panel alone: every other control is hidden.
        QCOMPARE(driver.focusName(), QStringLiteral("Text7"));
        WalkWith(driver, Qt::Key_Tab, {"Text11", "Text12", "Command4", "Text7"});
        WalkWith(driver, Qt::Key_Backtab, {"Command4", "Text12"});

        // Text9, Command5 and Command8 are disabled, the setup panel is hidden. The
        // two load-system options are one stop, the chosen one or else the first.
        driver.setUp("T", "2", "3");
        const QStringList cycle = {
            "Text1",    "Text2",  "Text3",    "Text4",    "Text5",    "Text6",    "Command1",
            "Command6", "Text14", "Text15",   "Option1",  "Text8",    "Text10",   "Text13",
            "Text17",   "Text16", "Command9", "Command7", "Command2", "Command3", "Text1"};
        QCOMPARE(driver.focusName(), cycle.front());
        WalkWith(driver, Qt::Key_Tab, cycle.mid(1));
        QStringList back = cycle;
        std::reverse(back.begin(), back.end());
        WalkWith(driver, Qt::Key_Backtab, back.mid(1));
    }

private:
    static void WalkWith(FormDriver& driver, Qt::Key key, const QStringList& expected) {
        for (const QString& name : expected) {
            driver.key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(driver.focusName(), name);
        }
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
