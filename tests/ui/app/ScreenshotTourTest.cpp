#include "ui/app/ScreenshotTour.h"
#include "TestHome.h"
#include "ui/app/TfmMain.h"

#include <QImage>
#include <gtest/gtest.h>

TEST(ScreenshotTour, WritesOnePictureForEveryScreenNamedAfterItsFormClass)
{
    TestHome home;
    ProgramSession session(home.context());
    ScreenshotTour tour(session, home.path("shots"));
    ASSERT_TRUE(tour.run());
    QStringList names;
    for (const QString& file : tour.written()) {
        names << QFileInfo(file).fileName();
        EXPECT_FALSE(QImage(file).isNull()) << file.toStdString();
    }
    EXPECT_EQ(names.mid(0, 5),
        QStringList({ "TfmMain.png", "TfmMain-busy.png", "TfmMain-resized.png", "TfmFileView.png", "TfmAbout.png" }));
    EXPECT_EQ(QImage(home.path("shots/TfmMain.png")).width(), TfmMain::ClientWidth);
    EXPECT_EQ(QImage(home.path("shots/TfmMain-resized.png")).size(), QSize(1024, 720));
    // The tour's frame is never closed, so it leaves no window place behind.
    EXPECT_FALSE(readFileBytes(home.paths().registryFile()).contains("Layout"));
    EXPECT_TRUE(home.messages.shown().isEmpty());
}
