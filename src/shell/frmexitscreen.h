// The screen the user meets after closing the main or the result window:
// an invitation to the maker's forum and a refer-a-friend form. It stays
// on top without taking the focus, and closing it ends the program.
#pragma once

#include "referafriend.h"

#include <QWidget>

#include <memory>

class QLineEdit;

namespace Ui {
class frmExitScreen;
}

namespace tzk {

class Navigator;
class Platform;

class FrmExitScreen : public QWidget
{
    Q_OBJECT

public:
    // Runs Form_Load; showing and hiding is left to the navigator.
    FrmExitScreen(Platform &platform, Navigator &navigator, QWidget *parent = nullptr);
    ~FrmExitScreen() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdSubmit_Click();
    void ReferAFriend();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

    void applyLook();
    void setUpFields();
    void emailEdited(QLineEdit *field);
    void refuseSpace(QWidget *field);

    QString fieldText(const QObject *field) const;
    void setFieldText(QObject *field, const QString &text);
    const char *placeholderOf(const QObject *field) const;
    bool isEmailField(const QObject *field) const;

    std::unique_ptr<Ui::frmExitScreen> m_ui;
    Platform &m_platform;
    Navigator &m_navigator;
    Referral m_referral; // the field texts as the last submit saw them
};

} // namespace tzk
