#pragma once

#include "app/combobox.h"
#include "service/updown.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>

class TForm1;

// The main window's service panel: controls that exist hidden in the shipped layout, and their
// handlers. TForm1 derives from it, so the controls and handlers are the main window's own.
class TServicePanel {
  protected:
    // Creates every panel control hidden, as a child of the main window.
    void createServicePanel(QWidget *form);

  public:
    // Print test, cash drawer, cut.
    QPushButton *Button1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QRadioButton *RadioButton1 = nullptr;
    QRadioButton *RadioButton2 = nullptr;
    QRadioButton *RadioButton3 = nullptr;
    QPushButton *Open = nullptr;
    QPushButton *cut = nullptr;

    // Impact mechanism test.
    QPushButton *Button2 = nullptr;
    QCheckBox *dck = nullptr;
    QCheckBox *Lfck = nullptr;
    QCheckBox *zxck = nullptr;
    QCheckBox *bick = nullptr;
    QCheckBox *dqck = nullptr;
    QLabel *Label7 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *Label8 = nullptr;
    QLineEdit *Edit3 = nullptr;

    // H parameter group.
    QCheckBox *szt = nullptr;
    QPushButton *ph = nullptr;
    QPushButton *st = nullptr;
    TComboBox *cbs = nullptr;
    TUpDown *UpDown3 = nullptr;
    QLineEdit *cs = nullptr;

    // Default code page group.
    QCheckBox *szt0 = nullptr;
    QPushButton *pt = nullptr;
    QPushButton *st0 = nullptr;
    QLineEdit *cst = nullptr;

    // Serial-rate group.
    QCheckBox *tcb = nullptr;
    QPushButton *tb = nullptr; // bitmap button; its caption is set by FormCreate
    TComboBox *tc = nullptr;

    // Beeper prompt group.
    QCheckBox *bpck = nullptr;
    QPushButton *bpb = nullptr;
    QLabel *Label12 = nullptr;
    QLineEdit *bpe1 = nullptr;
    TUpDown *UpDown1 = nullptr;
    QLabel *Label13 = nullptr;
    QLineEdit *bpe2 = nullptr;
    TUpDown *UpDown2 = nullptr;

    // Device option groups.
    QCheckBox *CheckBox1 = nullptr;
    QPushButton *sdb = nullptr;
    TComboBox *dc = nullptr;
    QCheckBox *CheckBox2 = nullptr;
    QPushButton *crb = nullptr;
    TComboBox *crc = nullptr;
    QCheckBox *CheckBox3 = nullptr;
    QPushButton *cdb = nullptr;
    TComboBox *cdc = nullptr;
    QCheckBox *CheckBox4 = nullptr;
    QPushButton *msb = nullptr;
    TComboBox *msc = nullptr;
    QCheckBox *CheckBox5 = nullptr;
    QPushButton *bb = nullptr;
    TComboBox *bc = nullptr;
    QCheckBox *CheckBox6 = nullptr;
    QPushButton *fontb = nullptr;
    TComboBox *fontc = nullptr;

    // Controls that no handler reads.
    QLabel *Label2 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label14 = nullptr;
    QLabel *Label15 = nullptr;
    QLineEdit *cs0 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QLineEdit *Edit7 = nullptr;
    QCheckBox *ad = nullptr;
    QPushButton *Button4 = nullptr;
    QLabel *Image2 = nullptr;
    TComboBox *ComboBox1 = nullptr;

    // Entry controls of the other windows; their handlers live in those windows' folders.
    QCheckBox *dcb = nullptr;
    QPushButton *db = nullptr;
    QCheckBox *lcb = nullptr;
    QPushButton *lb = nullptr;
    QCheckBox *nvcb = nullptr;
    QPushButton *nvd = nullptr;
    QPushButton *nvp = nullptr;
    QPushButton *bbn = nullptr; // bitmap button
    QLabel *Image1 = nullptr;
    QCheckBox *CheckBox7 = nullptr;
    QPushButton *Button3 = nullptr;
    void nvcbClick(); // NV logo window entry controls: defined in nvl/
    void nvdClick();
    void nvpClick();
    void bbnClick();
    void dcbClick(); // black-mark window entry controls: defined in df/
    void dbClick();
    void lcbClick(); // LED window entry controls: defined in lef/
    void lbClick();
    void CheckBox7Click(); // status window entry controls: defined in coms/
    void Button3Click();

    // Group check boxes.
    void sztClick();
    void szt0Click();
    void tcbClick();
    void bpckClick();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void CheckBox4Click();
    void CheckBox5Click();
    void CheckBox6Click();

    // Basic device commands.
    void Button1Click();
    void OpenClick();
    void cutClick();

    // Impact mechanism test.
    void Button2Click();

    // Code page and parameter commands.
    void phClick();
    void stClick();
    void st0Click();
    void ptClick();

    // Device option commands.
    void tbClick();
    void bpbClick();
    void sdbClick();
    void crbClick();
    void cdbClick();
    void msbClick();
    void bbClick();
    void fontbClick();

  private:
    // A group check box and the controls it switches, in the order they are switched.
    struct Group {
        QCheckBox *box;
        QList<QWidget *> controls;
    };
    QList<Group> groups() const;
    // The enabling rule: every control of the box's group takes the box's ticked state.
    void switchGroup(const QCheckBox *box);
    void connectHandlers();
    TForm1 &form();
};
