// What the window program loads before its main window is first drawn: no
// audio system and no image format plugin, only what the window needs.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

namespace {

// The shared objects the window program has started by its first paint, as
// the dynamic loader reports them.
QString librariesAtFirstPaint() {
    QTemporaryDir startDir;
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("COURTLOG_EXIT_ON_FIRST_PAINT"), QStringLiteral("1"));
    env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(startDir.path());
    program.start(QStringLiteral(COURTLOG_WINDOW_PROGRAM), {});
    EXPECT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0);
    QString started;
    for (const QByteArray& line : program.readAllStandardError().split('\n'))
        if (line.contains("calling init:")) started += QString::fromLocal8Bit(line.mid(line.indexOf("init:") + 5)) + '\n';
    return started;
}

TEST(StartupLoad, TheFirstWindowNeedsNoSoundAndNoImagePlugins) {
    const QString started = librariesAtFirstPaint();
    EXPECT_TRUE(started.contains(QStringLiteral("libQt6Widgets"))) << started.toStdString();
    EXPECT_FALSE(started.contains(QStringLiteral("Multimedia"))) << started.toStdString();
    EXPECT_FALSE(started.contains(QStringLiteral("libpulse"))) << started.toStdString();
    EXPECT_FALSE(started.contains(QStringLiteral("courtlog-sound"))) << started.toStdString();
    EXPECT_FALSE(started.contains(QStringLiteral("imageformats"))) << started.toStdString();
}

}  // namespace
