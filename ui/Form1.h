#pragma once

#include "model/FrameModel.h"
#include "ui/WindowServices.h"

#include <QWidget>
#include <initializer_list>

class EntryBox;
class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

/// The program's one window: the setup panel, then the joint and bay-load
/// panels side by side with "&CALCULATE" and "&END". It owns the frame model
/// for the life of the process; every handler reads and writes it directly.
class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(WindowServices services = {}, QWidget* parent = nullptr);
    ~Form1() override;
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    const FrameModel& model() const { return model_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createSetupPanel();
    void createJointPanel();
    void createBayLoadPanel();
    void createWindowButtons();
    void setKeyboardOrder();
    void connectHandlers();
    void onClick(QAbstractButton* button, void (Form1::*handler)());

    // What screen readers say of the panels and controls (Form1Accessibility.cpp).
    void describeSetupPanel();
    void describeJointPanel();
    void describeBayLoadPanel();
    void describeWindowButtons();
    void announceFloor(const QString& floor);
    void announceRecord(const QString& shown, const QString& total);

    void Form_Load();
    bool Text7_KeyPress(QKeyEvent* event);
    void Command4_Click();
    void Command3_Click();
    void Command2_Click();

    // Joint panel.
    void Command1_Click();
    void Command6_Click();
    void Command5_Click();
    void Text1_LostFocus();
    void Text2_LostFocus();
    void Text3_LostFocus();
    void Text4_LostFocus();
    void Text5_LostFocus();
    void Text6_LostFocus();
    void normaliseJointBox(EntryBox* box);
    void showFloorCaption();
    void reloadJoint();

    // Bay-load panel.
    void Option1_Click();
    void Option2_Click();
    void Command9_Click();
    void Command7_Click();
    void Command8_Click();
    void showBayRecord();
    void showRecordCounter();
    void chooseOption1(bool chosen);
    void setPointLoadBoxesEnabled(bool enabled);

    bool refuseUnstorable(std::initializer_list<EntryBox*> wholeBoxes,
                          std::initializer_list<EntryBox*> numberBoxes);
    void focusAfterStore(QPushButton* next, QPushButton* back, QWidget* otherwise);

    FrameModel model_;
    WindowServices services_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label23 = nullptr; ///< bay-load panel: "RECORD r OF n", display only
    EntryBox* Text1 = nullptr;
    EntryBox* Text2 = nullptr;
    EntryBox* Text3 = nullptr;
    EntryBox* Text4 = nullptr;
    EntryBox* Text5 = nullptr;
    EntryBox* Text6 = nullptr;
    EntryBox* Text7 = nullptr;
    EntryBox* Text8 = nullptr;
    EntryBox* Text9 = nullptr;
    EntryBox* Text10 = nullptr;
    EntryBox* Text11 = nullptr;
    EntryBox* Text12 = nullptr;
    EntryBox* Text13 = nullptr;
    EntryBox* Text14 = nullptr;
    EntryBox* Text15 = nullptr;
    EntryBox* Text16 = nullptr;
    EntryBox* Text17 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QButtonGroup* loadSystem_ = nullptr;
};
