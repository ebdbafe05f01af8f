// The pieces of the run's flow that need no window: the progress line under
// the bar, where a file dialog starts, and where a window first opens.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "ui/file_chooser.h"
#include "ui/progress_text.h"
#include "ui/window_placement.h"

namespace tw::ui {
namespace {

TEST(ProgressText, GivesTheTimeLeftOnlyOnceThereIsARateToScale) {
    const TestProgress start{1, 9, 0, 900};
    EXPECT_EQ(progress_text(start, 0), "Linkage 1 of 9 - 0 of 900 replicates - 0:00 elapsed");
    const TestProgress early{2, 9, 150, 900};
    EXPECT_EQ(progress_text(early, 400), "Linkage 2 of 9 - 150 of 900 replicates - 0:00 elapsed");
    const TestProgress third{4, 9, 300, 900};
    EXPECT_EQ(progress_text(third, 30000),
              "Linkage 4 of 9 - 300 of 900 replicates - 0:30 elapsed, about 1:00 left");
    const TestProgress done{9, 9, 900, 900};
    EXPECT_EQ(progress_text(done, 90000), "Linkage 9 of 9 - 900 of 900 replicates - 1:30 elapsed");
}

TEST(ProgressText, TheTestsOwnEstimateOfTheTimeLeftComesFirst) {
    // The bootstrap knows its later linkages cost more than replicates counted alike say.
    TestProgress half{3, 4, 20, 40};
    half.ms_left = 30000;
    EXPECT_EQ(progress_text(half, 10000),
              "Linkage 3 of 4 - 20 of 40 replicates - 0:10 elapsed, about 0:30 left");
    half.ms_left = -1;
    EXPECT_EQ(progress_text(half, 10000),
              "Linkage 3 of 4 - 20 of 40 replicates - 0:10 elapsed, about 0:10 left");
    // Before the first replicate the test times its linkages for that estimate.
    TestProgress timing{2, 4, 0, 0};
    timing.timing = true;
    EXPECT_EQ(progress_text(timing, 3000),
              "Timing linkage 2 of 4 for the time left - 0:03 elapsed");
}

TEST(ProgressText, DurationsRoundToTheSecondAndShowHoursWhenNeeded) {
    EXPECT_EQ(duration_text(-5), "0:00");
    EXPECT_EQ(duration_text(59499), "0:59");
    EXPECT_EQ(duration_text(59500), "1:00");
    EXPECT_EQ(duration_text(3600000 + 62000), "1:01:02");
}

TEST(ProgressText, BarStepsFitAnIntAndNeverPassTheEnd) {
    const BarSteps small = bar_steps(TestProgress{1, 2, 30, 20});
    EXPECT_EQ(small.maximum, 20);
    EXPECT_EQ(small.value, 20);
    const std::int64_t huge = std::int64_t{1} << 40;
    const BarSteps big = bar_steps(TestProgress{1, 2, huge / 2, huge});
    EXPECT_GT(big.maximum, 0);
    EXPECT_EQ(big.value, big.maximum / 2);
}

TEST(StartFolder, LastChoiceThenDataFolderThenCurrentSkippingTheAvoidedOne) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString base = QDir(root.path()).canonicalPath();
    QDir(base).mkpath(QStringLiteral("data"));
    QDir(base).mkpath(QStringLiteral("chosen"));
    QDir(base).mkpath(QStringLiteral("here"));
    const QString data = base + QStringLiteral("/data");
    const QString chosen = base + QStringLiteral("/chosen");
    const QString here = base + QStringLiteral("/here");
    const QString data_file = data + QStringLiteral("/lake.txt");

    EXPECT_EQ(pick_start_folder(chosen, data_file, here, QString()), chosen);
    EXPECT_EQ(pick_start_folder(QString(), data_file, here, QString()), data);
    EXPECT_EQ(pick_start_folder(QString(), QString(), here, QString()), here);
    // A folder that has gone since is passed over.
    EXPECT_EQ(pick_start_folder(base + QStringLiteral("/gone"), data_file, here, QString()), data);
    // Saving never starts among the examples, chosen or not.
    EXPECT_EQ(pick_start_folder(QString(), data_file, here, data), here);
    EXPECT_EQ(pick_start_folder(data + QStringLiteral("/"), data_file, here, data), here);
}

TEST(WindowPlacement, NextWindowOpensBesideTheOptionsAndStaysOnScreen) {
    const QRect screen(0, 0, 1600, 1000);
    const QRect options(16, 16, 720, 560);
    const QPoint options_window =
        first_position(Window::Options, screen, QSize(720, 560), QRect(), QRect());
    EXPECT_EQ(options_window, QPoint(16, 16));
    const QPoint method_window =
        first_position(Window::Method, screen, QSize(500, 400), options, QRect());
    EXPECT_GT(method_window.x(), options.right());
    const QRect dendrogram(QPoint(744, 16), QSize(680, 400));
    const QPoint results_window =
        first_position(Window::Results, screen, QSize(560, 520), options, dendrogram);
    EXPECT_GT(results_window.y(), dendrogram.bottom());
    EXPECT_LE(results_window.y() + 520, 1000);
    // A narrow screen: the window keeps to its right edge.
    const QPoint narrow = first_position(Window::Dendrogram, QRect(0, 0, 900, 700), QSize(680, 400),
                                         options, QRect());
    EXPECT_EQ(narrow.x(), 900 - 680);
    const QPoint centred = first_position(Window::Start, screen, QSize(400, 200), QRect(), QRect());
    EXPECT_EQ(centred, QPoint(600, 400));
}

TEST(WindowPlacement, ResultsWindowFitsTheScreenWithoutCoveringTheDendrogram) {
    const QSize wanted(828, 710), smallest(420, 470);
    struct Case {
        QRect screen, options, dendrogram;
    };
    const Case cases[] = {
        // 1366 x 768: no room beside or below, so over the options at the left.
        {QRect(0, 0, 1366, 740), QRect(16, 16, 728, 590), QRect(686, 16, 680, 450)},
        // 1600 x 1000: below the dendrogram.
        {QRect(0, 0, 1600, 1000), QRect(16, 16, 728, 590), QRect(752, 16, 688, 450)},
        // 2560 x 1440: beside it.
        {QRect(0, 0, 2560, 1400), QRect(16, 16, 728, 590), QRect(752, 16, 688, 450)},
    };
    for (const Case& c : cases) {
        const QRect f5 =
            first_frame(Window::Results, c.screen, wanted, smallest, c.options, c.dendrogram);
        EXPECT_TRUE(c.screen.contains(f5)) << c.screen.width();
        EXPECT_FALSE(f5.intersects(c.dendrogram)) << c.screen.width();
        EXPECT_GE(f5.height(), smallest.height()) << c.screen.width();
    }
    // A window larger than the screen is made to fit it.
    const QRect big = first_frame(Window::Options, QRect(0, 0, 1366, 740), QSize(900, 900),
                                  QSize(300, 300), QRect(), QRect());
    EXPECT_TRUE(QRect(0, 0, 1366, 740).contains(big));
}

}  // namespace
}  // namespace tw::ui
