#include "ui/BoxText.h"
#include "ui/EntryBox.h"
#include "ui/Form1.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// The bay-load panel: a cursor over the bay records 1 .. TotalBays, in entry
// order. Which bay a record describes is whatever its floor and bay boxes say.

void Form1::Option1_Click() {
    setPointLoadBoxesEnabled(true);
}

void Form1::Option2_Click() {
    // The disabled boxes keep their text, and "D&ONE" still stores it.
    setPointLoadBoxesEnabled(false);
}

void Form1::setPointLoadBoxesEnabled(bool enabled) {
    Text13->setEnabled(enabled);
    Text10->setEnabled(enabled);
    Text16->setEnabled(enabled);
}

void Form1::Command9_Click() {
    if (refuseUnstorable({Text15, Text14}, {Text8, Text10, Text13, Text17, Text16})) {
        return;
    }
    BayLoad& record = model_.BayLoads[static_cast<int>(model_.CurrentBay.value())];
    record.BayNo = *TextToInt16(Typed(Text15));
    record.FloorNo = *TextToInt16(Typed(Text14));
    record.IsPointLoad = Option1->isChecked() ? -1 : 0;
    record.Udl1 = *TextToNumber(Typed(Text8));
    record.Udl2 = *TextToNumber(Typed(Text10));
    record.PointLoad1 = *TextToNumber(Typed(Text13));
    record.SpanL = *TextToNumber(Typed(Text17));
    record.LoadX = *TextToNumber(Typed(Text16));
    focusAfterStore(Command7, Command8, Text14);
    showRecordCounter(); // the cursor stays: the same record, also on the last one
}

void Form1::Command7_Click() {
    if (model_.CurrentBay >= model_.TotalBays) {
        return;
    }
    model_.CurrentBay = model_.CurrentBay + 1;
    Command8->setEnabled(true);
    showBayRecord();
    if (model_.CurrentBay == model_.TotalBays) {
        Command7->setEnabled(false);
    }
    Text14->setFocus();
}

void Form1::Command8_Click() {
    if (model_.CurrentBay <= 1) {
        return;
    }
    model_.CurrentBay = model_.CurrentBay - 1;
    Command7->setEnabled(true);
    showBayRecord();
    if (model_.CurrentBay == 1) {
        Command8->setEnabled(false);
    }
}

void Form1::showBayRecord() {
    const BayLoad& record = model_.BayLoads[static_cast<int>(model_.CurrentBay.value())];
    Text15->write(BoxText(record.BayNo));
    Text14->write(BoxText(record.FloorNo));
    chooseOption1(record.IsPointLoad != 0);
    Text8->write(BoxText(record.Udl1));
    Text10->write(BoxText(record.Udl2));
    Text13->write(BoxText(record.PointLoad1));
    Text17->write(BoxText(record.SpanL));
    Text16->write(BoxText(record.LoadX));
    showRecordCounter();
}

void Form1::showRecordCounter() {
    // n is every bay record of the frame, FloorCount x (ColumnsPerFloor - 1), not one floor's.
    const QString shown = BoxText(model_.CurrentBay);
    const QString total = BoxText(static_cast<double>(CountsOf(model_).totalBays));
    Label23->setText(QStringLiteral("RECORD %1 OF %2").arg(shown, total));
    announceRecord(shown, total);
}

void Form1::chooseOption1(bool chosen) {
    // Choosing "Point Load system" acts as the user's click would. Clearing it
    // leaves "UDL System" as it was, so neither may be chosen, and leaves the
    // point-load boxes as they were.
    if (chosen) {
        if (!Option1->isChecked()) {
            Option1->setChecked(true);
            Option1_Click();
        }
        return;
    }
    if (Option1->isChecked()) {
        // An exclusive group refuses to clear its chosen button.
        loadSystem_->setExclusive(false);
        Option1->setChecked(false);
        loadSystem_->setExclusive(true);
    }
}
