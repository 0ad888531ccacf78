// tzolkara-day's one window: the Maya day of any date from 100 to 9999,
// with the reading's pictures and texts, the day's facts from the engine,
// and the next days its kin comes round, which can be saved for a
// calendar program. It shares nothing with tzolkara's windows but the
// libraries: no navigator, no settings, no single-instance lock.
#pragma once

#include "mayaday.h"
#include "picturelist.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

#include <memory>

namespace Ui {
class frmDay;
}

namespace tzk {

class Platform;

// What the program's command line asks for: the date to open on, or the
// reason it could not be used (the window then opens on today).
struct DayArgument {
    QDate date;      // null: today
    QString problem; // empty: none
};
// `arguments` without the program name: nothing, or one date YYYY-MM-DD.
DayArgument parseDayArgument(const QStringList &arguments);

class FrmDay : public QWidget
{
    Q_OBJECT

public:
    // How many returns of the kin the list shows and the calendar file holds.
    static constexpr int kReturnCount = 12;

    FrmDay(Platform &platform, const QStringList &arguments, QWidget *parent = nullptr,
           PictureList signPictures = PictureList::daySigns(), PictureList tonePictures = PictureList::galacticTones());
    ~FrmDay() override;

    // The days the list shows, for the tests.
    const QList<CivilDate> &shownReturns() const { return m_returns; }

protected:
    bool event(QEvent *event) override;

private:
    void dateDay_Change();
    void cmdToday_Click();
    void cmdExportReturns_Click();
    void showPictures();

    Platform &m_platform;
    std::unique_ptr<Ui::frmDay> m_ui;
    PictureList m_signPictures;
    PictureList m_tonePictures;
    MayaDay m_day;
    QList<CivilDate> m_returns;
    // Why the date on the command line was not used; shown once.
    QString m_complaint;
    // The screen's pixel density the pictures shown were made for.
    qreal m_picturesRatio = 1.0;
};

} // namespace tzk
