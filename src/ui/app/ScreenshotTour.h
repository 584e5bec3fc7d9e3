#pragma once

#include <QStringList>

class ProgramSession;
class TfmMain;
class Workspace;
class QWidget;

// Pictures of every screen built so far, each named after its form class (TfmMain.png, TfmMain-busy.png and
// TfmMain-resized.png with the deposit batch list open, TfmFileView.png, TfmAbout.png, ...), for the documentation.
// Runs without a user: nothing waits for input.
class ScreenshotTour {
public:
    ScreenshotTour(ProgramSession& session, const QString& directory);

    // Writes every picture; false when the directory or a picture cannot be written.
    bool run();
    const QStringList& written() const { return m_written; }

private:
    bool shoot(QWidget& widget, const QString& name);
    bool shootMainWindow(TfmMain& frame);
    bool shootFileView();
    bool shootAbout();
    bool shootConfig();
    bool shootInfoDlg();
    bool shootHoliday();
    bool shootCode1();
    bool shootCode2();
    bool shootTong1();
    bool shootPrint();
    bool shootEdi();
    bool shootTongRegister();

    ProgramSession& m_session;
    Workspace& m_context;
    QString m_directory;
    QStringList m_written;
};
