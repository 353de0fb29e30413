#include "ui/Form1.h"

#include "calculate/Calculate.h"
#include "model/FrameSetup.h"
#include "report/ReportFolder.h"
#include "ui/BoxText.h"
#include "ui/Controls.h"
#include "ui/EntryBox.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

Form1::Form1(WindowServices services, QWidget* parent)
    : QWidget(parent), services_(WithDesktopDefaults(std::move(services), this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmora Frame Analysis"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/icon-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/icon-32.png"), QSize(32, 32));
    setWindowIcon(icon);
    setFixedSize(ToPixels({0, 0, 10980, 4710}).size());

    // Creation order is stacking order: the setup panel lies over the other two.
    createJointPanel();
    createBayLoadPanel();
    createSetupPanel();
    createWindowButtons();
    describeSetupPanel();
    describeJointPanel();
    describeBayLoadPanel();
    describeWindowButtons();
    setKeyboardOrder();
    connectHandlers();
    Form_Load();
}

Form1::~Form1() {
    // The boxes outlive the window's own members while it is torn down; a focus
    // change then must reach no handler.
    for (EntryBox* box : findChildren<EntryBox*>()) {
        disconnect(box, nullptr, this, nullptr);
    }
    Text7->removeEventFilter(this);
}

void Form1::createSetupPanel() {
    Frame2 = MakeFrame(this, "Frame2", {2543, 968, 5895, 2775});
    MakeLabel(Frame2, "Label20", QStringLiteral("ADD FLOOR"), {2130, 240, 1815, 375},
              Look::Heading);
    Text7 = MakeBox(
        Frame2, "Text7", {1125, 600, 4620, 375},
        MakeLabel(Frame2, "Label13", QStringLiteral("NAME: -"), {75, 600, 975, 375}, Look::Prompt));
    Text11 = MakeBox(Frame2, "Text11", {4560, 1080, 1215, 375},
                     MakeLabel(Frame2, "Label19", QStringLiteral("TOTAL NO. OF FLOORS: -"),
                               {75, 1080, 2775, 375}, Look::Prompt));
    Text12 =
        MakeBox(Frame2, "Text12", {4560, 1560, 1215, 405},
                MakeLabel(Frame2, "Label18", QStringLiteral("NO. OF COLOUMNS IN EACH FLOOR : -"),
                          {75, 1560, 4425, 375}, Look::Prompt));
    Command4 = MakeButton(Frame2, "Command4", QStringLiteral("&OK"), {2310, 2280, 1455, 375});
}

void Form1::createJointPanel() {
    Frame1 = MakeFrame(this, "Frame1", {90, 30, 5895, 3975});
    MakeLabel(Frame1, "Label1", QStringLiteral("ADD JOINT"), {2190, 240, 1695, 375}, Look::Heading);
    Label2 = MakeLabel(Frame1, "Label2", QStringLiteral("FLOOR :- 1"), {240, 600, 1455, 255},
                       Look::Floor);
    Text9 = MakeBox(Frame1, "Text9", {2970, 960, 1575, 375},
                    MakeLabel(Frame1, "Label3", QStringLiteral("JOINT NO. : -"),
                              {1530, 960, 1815, 375}, Look::Prompt));
    Text9->setEnabled(false);
    auto member = [this](const char* labelName, const char* caption, Twips labelPlace,
                         const char* boxName, Twips boxPlace) {
        return MakeBox(
            Frame1, boxName, boxPlace,
            MakeLabel(Frame1, labelName, QString::fromLatin1(caption), labelPlace, Look::Member));
    };
    Text1 = member("Label5", "K1 =", {870, 1560, 495, 255}, "Text1", {1470, 1560, 1095, 375});
    Text2 = member("Label6", "K2 =", {870, 2025, 495, 375}, "Text2", {1470, 2025, 1095, 375});
    Text5 = member("Label9", "M1 =", {3390, 2040, 615, 255}, "Text5", {4110, 2040, 1095, 375});
    Text3 = member("Label7", "K3 =", {870, 2505, 495, 255}, "Text3", {1470, 2505, 1095, 375});
    Text6 = member("Label10", "M2 =", {3390, 2505, 615, 375}, "Text6", {4110, 2505, 1095, 375});
    Text4 = member("Label8", "K4 = ", {870, 2970, 495, 375}, "Text4", {1470, 2970, 1095, 375});
    Command5 = MakeButton(Frame1, "Command5", QStringLiteral("<--  &BACK"), {450, 3480, 1215, 375});
    Command1 = MakeButton(Frame1, "Command1", QStringLiteral("D&ONE"), {2310, 3480, 1455, 375});
    Command6 =
        MakeButton(Frame1, "Command6", QStringLiteral("&NEXT  -->"), {4410, 3480, 1215, 375});
    Frame1->hide();
}

void Form1::createBayLoadPanel() {
    Frame3 = MakeFrame(this, "Frame3", {6120, 30, 4695, 3975});
    MakeLabel(Frame3, "Label11", QStringLiteral("ADD LOAD"), {1680, 240, 1695, 375}, Look::Heading);
    // Which record the boxes show, of how many: display only, like the joint panel's joint
    // number, in the corner left of the heading, the one free place of the panel. It wraps
    // to two lines there ("RECORD 12" over "OF 100"); it takes no focus and no keystroke.
    Label23 = MakeLabel(Frame3, "Label23", QString(), {75, 30, 1500, 555}, Look::Floor);
    Label23->setWordWrap(true);
    auto field = [this](const char* labelName, const char* caption, Twips labelPlace, Look look,
                        const char* boxName, Twips boxPlace) {
        return MakeBox(
            Frame3, boxName, boxPlace,
            MakeLabel(Frame3, labelName, QString::fromLatin1(caption), labelPlace, look));
    };
    Text14 = field("Label22", "FLOOR :- ", {240, 600, 1095, 255}, Look::Floor, "Text14",
                   {1440, 600, 915, 315});
    Text15 = field("Label4", "BAY :- ", {2880, 600, 855, 255}, Look::Floor, "Text15",
                   {3720, 600, 915, 315});
    Option1 =
        MakeOption(Frame3, "Option1", QStringLiteral("Point Load system"), {240, 1080, 2655, 255});
    Option2 = MakeOption(Frame3, "Option2", QStringLiteral("UDL System"), {2640, 1080, 1575, 375});
    loadSystem_ = new QButtonGroup(this);
    loadSystem_->addButton(Option1);
    loadSystem_->addButton(Option2);
    Text8 = field("Label12", "UDL 1 (KN/M): -", {240, 1410, 1695, 375}, Look::Prompt, "Text8",
                  {2160, 1410, 2000, 405});
    Text10 = field("Label16", "UDL 2 (KN/M): -", {240, 1920, 1695, 375}, Look::Prompt, "Text10",
                   {2160, 1920, 2000, 405});
    Text13 = field("Label17", "PT. LOAD 1 (KN): -", {240, 2400, 1935, 375}, Look::Prompt, "Text13",
                   {2160, 2400, 2000, 405});
    Text17 = field("Label15", "L = ", {120, 3000, 495, 255}, Look::Prompt, "Text17",
                   {600, 3000, 1395, 315});
    Text16 = field("Label14", "X =", {2400, 3000, 495, 255}, Look::Prompt, "Text16",
                   {3120, 3000, 1395, 315});
    Command8 = MakeButton(Frame3, "Command8", QStringLiteral("<--  &BACK"), {240, 3480, 1215, 375});
    Command8->setEnabled(false);
    Command9 = MakeButton(Frame3, "Command9", QStringLiteral("D&ONE"), {1680, 3480, 1455, 375});
    Command7 = MakeButton(Frame3, "Command7", QStringLiteral("Next -->"), {3360, 3480, 1215, 375});
    Frame3->hide();
}

void Form1::createWindowButtons() {
    Command2 = MakeButton(this, "Command2", QStringLiteral("&CALCULATE"), {323, 4200, 1575, 375});
    Command3 = MakeButton(this, "Command3", QStringLiteral("&END"), {8843, 4200, 1815, 375});
    Command2->hide();
    Command3->hide();
}

void Form1::setKeyboardOrder() {
    QWidget* const order[] = {
        Text7,    Text11,   Text12,   Text1,    Text2,    Text3,  Text4,
        Text5,    Text6,    Command1, Command6, Command5, Text14, Text15,
        Option1,  Option2,  Text8,    Text10,   Text13,   Text17, Text16,
        Command9, Command7, Command8, Command2, Command3, Text9,  Command4,
    };
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void Form1::onClick(QAbstractButton* button, void (Form1::*handler)()) {
    connect(button, &QAbstractButton::clicked, this, [this, button, handler] {
        // An access key clicks a button without moving the focus to it. The button
        // takes the focus first, as a mouse click gives it, so that the box being
        // left is normalised before the click reads it.
        if (!button->hasFocus()) {
            button->setFocus(Qt::ShortcutFocusReason);
        }
        (this->*handler)();
    });
}

void Form1::connectHandlers() {
    onClick(Command4, &Form1::Command4_Click);
    onClick(Command3, &Form1::Command3_Click);
    onClick(Command2, &Form1::Command2_Click);
    onClick(Command1, &Form1::Command1_Click);
    onClick(Command6, &Form1::Command6_Click);
    onClick(Command5, &Form1::Command5_Click);
    onClick(Option1, &Form1::Option1_Click);
    onClick(Option2, &Form1::Option2_Click);
    onClick(Command9, &Form1::Command9_Click);
    onClick(Command7, &Form1::Command7_Click);
    onClick(Command8, &Form1::Command8_Click);
    connect(Text1, &EntryBox::lostFocus, this, &Form1::Text1_LostFocus);
    connect(Text2, &EntryBox::lostFocus, this, &Form1::Text2_LostFocus);
    connect(Text3, &EntryBox::lostFocus, this, &Form1::Text3_LostFocus);
    connect(Text4, &EntryBox::lostFocus, this, &Form1::Text4_LostFocus);
    connect(Text5, &EntryBox::lostFocus, this, &Form1::Text5_LostFocus);
    connect(Text6, &EntryBox::lostFocus, this, &Form1::Text6_LostFocus);
    Text7->installEventFilter(this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text7 && event->type() == QEvent::KeyPress) {
        return Text7_KeyPress(static_cast<QKeyEvent*>(event));
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    services_.endProgram();
}

void Form1::Form_Load() {
    Frame2->show();
    Text7->setFocus();
}

bool Form1::Text7_KeyPress(QKeyEvent* event) {
    // Only typed letters a..z are raised; pasted text and other letters pass as they are.
    const QString typed = event->text();
    if (typed.size() != 1 || typed.front() < u'a' || typed.front() > u'z') {
        return false;
    }
    QKeyEvent raised(event->type(), event->key(), event->modifiers(), typed.toUpper(),
                     event->isAutoRepeat(), event->count());
    QCoreApplication::sendEvent(Text7, &raised);
    return true;
}

void Form1::Command4_Click() {
    if (const auto refusal = SetUpFrame(model_, Typed(Text7), Typed(Text11), Typed(Text12))) {
        services_.showError(QString::fromStdString(*refusal));
        return;
    }
    Frame2->hide();
    Frame3->show();
    Frame1->show();
    Text1->setFocus();
    Text9->write(BoxText(model_.FloorJoints[1].First));
    Command5->setEnabled(false);
    // A cursor that already stands on its last record has nowhere to go forward.
    Command6->setEnabled(model_.CurrentJoint < model_.LastJoint);
    Command7->setEnabled(model_.CurrentBay < model_.TotalBays);
    showRecordCounter();
    Command3->show();
    Command2->show();
}

void Form1::Command3_Click() {
    services_.endProgram();
}

void Form1::Command2_Click() {
    const std::filesystem::path folder =
        services_.reportFolder ? *services_.reportFolder : ReportFolder();
    const CalculateOutcome outcome = Calculate(model_, folder);
    if (!outcome.ok()) {
        // Every entered value is still in the model and the boxes: the user can
        // correct the input or create the folder and calculate again.
        services_.showError(QString::fromStdString(*outcome.error));
        return;
    }
    for (const std::filesystem::path& report : outcome.reports) {
        services_.openReport(report);
    }
    services_.endProgram();
}

bool Form1::refuseUnstorable(std::initializer_list<EntryBox*> wholeBoxes,
                             std::initializer_list<EntryBox*> numberBoxes) {
    auto refuse = [this](EntryBox* box, const QString& why) {
        services_.showError(box->labelCaption() + why);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        return true;
    };
    for (EntryBox* box : wholeBoxes) {
        if (!TextToInt16(Typed(box))) {
            return refuse(box, QStringLiteral(" holds a number the program cannot store: floor "
                                              "and bay numbers lie between %1 and %2.")
                                   .arg(FirstInt16)
                                   .arg(LastInt16));
        }
    }
    for (EntryBox* box : numberBoxes) {
        if (!TextToNumber(Typed(box))) {
            return refuse(
                box, QStringLiteral(" holds a number beyond the range the program can store."));
        }
    }
    return false;
}

void Form1::focusAfterStore(QPushButton* next, QPushButton* back, QWidget* otherwise) {
    if (next->isEnabled()) {
        next->setFocus();
    } else if (back->isEnabled()) {
        back->setFocus();
    } else {
        otherwise->setFocus();
    }
}
