#include "model/FrameModel.h"
#include "model/NumberText.h"
#include "ui/EntryBox.h"
#include "ui/Form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <initializer_list>
#include <string>

// What a screen reader says of each panel and control. The captions on screen are
// terse and repeat from panel to panel (two "D&ONE", two "<--  &BACK", "K1 ="), so
// each panel and control gets an accessible name of its own that says which panel
// it serves, and a description of what a box holds and in which unit. Loads are in
// kN and m, as the bay-load panel's captions say; the stiffnesses are relative.

namespace {

struct Described {
    QWidget* control;
    const char* name;
    std::string description;
};

void Describe(std::initializer_list<Described> rows) {
    for (const Described& row : rows) {
        row.control->setAccessibleName(QString::fromUtf8(row.name));
        row.control->setAccessibleDescription(QString::fromUtf8(row.description.c_str()));
    }
}

} // namespace

void Form1::describeSetupPanel() {
    Describe({
        {Frame2, "Setup",
         "The project name and the size of the frame. Set up the frame numbers the joints and "
         "opens the joint and bay-load panels."},
        {Text7, "Project name",
         "Project name: it names the five files the calculation writes; letters a to z are "
         "raised to capitals"},
        {Text11, "Number of floors",
         "Number of floors above the fixed base, 1 to " + WholeToText(MaxFloor)},
        {Text12, "Columns per floor",
         "Number of columns in each floor, at least 2; the joints are numbered floor by floor "
         "from the left, the base joints first"},
        {Command4, "Set up the frame", "Checks the setup and opens the joint and bay-load panels"},
    });
}

void Form1::describeJointPanel() {
    Describe({
        {Frame1, "Joint",
         "The six values of one joint at a time. Only Store this joint keeps them: values left "
         "with Next joint or Previous joint are dropped."},
        {Label2, "Floor 1", "Floor of the joint shown"},
        {Text9, "Joint number",
         "Number of the joint shown, counted floor by floor from the left, the base joints first"},
        {Text1, "k1, left beam",
         "k1: relative stiffness I/L of the beam to the left of this joint, no unit; 0 at the "
         "first joint of a floor"},
        {Text2, "k2, right beam",
         "k2: relative stiffness I/L of the beam to the right of this joint, no unit; 0 at the "
         "last joint of a floor"},
        {Text3, "k3, column below",
         "k3: relative stiffness I/L of the column below this joint, no unit"},
        {Text4, "k4, column above",
         "k4: relative stiffness I/L of the column above this joint, no unit; 0 on the top floor"},
        {Text5, "M1, left beam's load term",
         "M1: load term of the beam to the left of this joint, kN·m, typed as the same number as "
         "at the beam's other end (w L squared over 12 for a uniform load); leaving the box after "
         "typing in it reverses the sign"},
        {Text6, "M2, right beam's load term",
         "M2: load term of the beam to the right of this joint, kN·m (w L squared over 12 for a "
         "uniform load)"},
        {Command1, "Store this joint", "Stores the six boxes as the joint shown"},
        {Command6, "Next joint", "Shows the next joint; what is not stored is dropped"},
        {Command5, "Previous joint", "Shows the previous joint; what is not stored is dropped"},
    });
}

void Form1::describeBayLoadPanel() {
    Describe({
        {Frame3, "Bay load",
         "One bay record at a time: the bay, its load system, loads, span and point-load "
         "position. Only Store this bay record keeps them."},
        {Label23, "Bay record",
         "Which bay record the boxes show, and how many there are: one for each bay of the "
         "frame, the number of floors times the number of columns less 1"},
        {Text14, "Floor of the bay",
         "Floor of the bay this record describes, 1 to the number of floors"},
        {Text15, "Bay number",
         "Bay this record describes, counted from the left, 1 to the number of columns less 1"},
        {Option1, "Point-load system",
         "UDL 1 from the left end to X, UDL 2 from X to the right end, and the point load at X"},
        {Option2, "UDL system", "UDL 1 over the whole span"},
        {Text8, "UDL 1",
         "UDL 1: distributed load, kN/m, over the whole span in the UDL system, from the left end "
         "to X in the point-load system"},
        {Text10, "UDL 2",
         "UDL 2: distributed load from X to the right end, kN/m; point-load system only"},
        {Text13, "Point load", "Point load 1: load at X, kN; point-load system only"},
        {Text17, "L, span", "L: span of the bay, m, greater than 0"},
        {Text16, "X, point-load position",
         "X: position of the point load from the left end, m, 0 to L; point-load system only"},
        {Command9, "Store this bay record", "Stores the boxes as the bay record shown"},
        {Command7, "Next bay record", "Shows the next bay record; what is not stored is dropped"},
        {Command8, "Previous bay record",
         "Shows the previous bay record; what is not stored is dropped"},
    });
}

void Form1::describeWindowButtons() {
    Describe({
        {Command2, "Calculate",
         "Calculates the frame, writes the four reports and the frame page into the report "
         "folder, opens them and ends the program"},
        {Command3, "End", "Ends the program; nothing is saved"},
    });
}

void Form1::announceFloor(const QString& floor) {
    // The caption reads "FLOOR :- 2"; a screen reader gets "Floor 2". Qt sends the
    // name change to an active screen reader, so it is set only when it changes.
    const QString name = QStringLiteral("Floor ") + floor;
    if (Label2->accessibleName() != name) {
        Label2->setAccessibleName(name);
    }
}

void Form1::announceRecord(const QString& shown, const QString& total) {
    // The counter reads "RECORD 3 OF 4"; a screen reader gets "Bay record 3 of 4", told as
    // the floor caption's change is.
    const QString name = QStringLiteral("Bay record %1 of %2").arg(shown, total);
    if (Label23->accessibleName() != name) {
        Label23->setAccessibleName(name);
    }
}
