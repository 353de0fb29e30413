#include "ui/BoxText.h"
#include "ui/EntryBox.h"
#include "ui/Form1.h"

#include <QLabel>
#include <QPushButton>

// The joint panel: a cursor over the joints of floors 1 .. FloorCount. "D&ONE"
// stores the six boxes at the cursor; the arrows move it and reload the boxes.

void Form1::Command1_Click() {
    if (refuseUnstorable({}, {Text1, Text2, Text3, Text4, Text5, Text6})) {
        return;
    }
    const int joint = static_cast<int>(model_.CurrentJoint.value());
    EntryBox* const stiffness[MemberCount] = {Text1, Text2, Text3, Text4};
    for (int member = 1; member <= MemberCount; ++member) {
        model_.K[joint][member] = *TextToNumber(Typed(stiffness[member - 1]));
    }
    model_.M1[joint] = *TextToNumber(Typed(Text5));
    model_.M2[joint] = *TextToNumber(Typed(Text6));
    focusAfterStore(Command6, Command5, Text1);
}

void Form1::Command6_Click() {
    if (model_.CurrentJoint >= model_.LastJoint) {
        return;
    }
    model_.CurrentJoint = model_.CurrentJoint + 1;
    Command5->setEnabled(true);
    if (model_.CurrentJoint == model_.LastJoint) {
        Command6->setEnabled(false);
    }
    showFloorCaption();
    reloadJoint();
    Text1->setFocus();
}

void Form1::Command5_Click() {
    const double first = model_.FloorJoints[1].First;
    if (model_.CurrentJoint <= first) {
        return;
    }
    model_.CurrentJoint = model_.CurrentJoint - 1;
    Command6->setEnabled(true);
    if (model_.CurrentJoint == first) {
        Command5->setEnabled(false);
    }
    showFloorCaption();
    reloadJoint();
    Text1->setFocus();
}

void Form1::showFloorCaption() {
    const int joint = static_cast<int>(model_.CurrentJoint.value());
    const QString floor = BoxText(FloorOfJoint(model_, joint));
    Label2->setText(QStringLiteral("FLOOR :- ") + floor);
    announceFloor(floor);
}

void Form1::reloadJoint() {
    const int joint = static_cast<int>(model_.CurrentJoint.value());
    Text9->write(BoxText(model_.CurrentJoint));
    EntryBox* const stiffness[MemberCount] = {Text1, Text2, Text3, Text4};
    for (int member = 1; member <= MemberCount; ++member) {
        stiffness[member - 1]->write(BoxText(model_.K[joint][member]));
    }
    Text5->write(BoxText(model_.M1[joint]));
    Text6->write(BoxText(model_.M2[joint]));
}

// Each joint box shows, once left, the number that "D&ONE" will store. A number
// beyond the range of a double has no such text: the box keeps what was typed,
// and "D&ONE" refuses it.

void Form1::normaliseJointBox(EntryBox* box) {
    if (const auto value = TextToNumber(Typed(box))) {
        box->write(BoxText(*value));
    }
}

void Form1::Text1_LostFocus() {
    normaliseJointBox(Text1);
}

void Form1::Text2_LostFocus() {
    normaliseJointBox(Text2);
}

void Form1::Text3_LostFocus() {
    normaliseJointBox(Text3);
}

void Form1::Text4_LostFocus() {
    normaliseJointBox(Text4);
}

void Form1::Text6_LostFocus() {
    normaliseJointBox(Text6);
}

void Form1::Text5_LostFocus() {
    // The box shows M1 as the model holds it (StoredM1). What the user typed is
    // turned into that once; text the program wrote (a reload or an earlier
    // turn) is only normalised, so passing through the box never changes a
    // stored moment.
    const auto value = TextToNumber(Typed(Text5));
    if (!value) {
        return;
    }
    Text5->write(BoxText(Text5->editedSinceWrite() ? StoredM1(*value) : *value));
}
