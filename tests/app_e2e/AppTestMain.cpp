// The test run's one application object, made after the run has moved its
// home, profile, data, runtime and temporary folders into a folder of its own.
#include "app/main/App.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/stat.h>

namespace {

void MoveHome(const std::string& home) {
    for (const char* sub : {"config", "data", "cache", "runtime", "tmp"})
        QDir().mkpath(QString::fromStdString(home + "/" + sub));
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home + "/cache").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (home + "/runtime").c_str(), 1);
    // The single-instance socket lives in the temporary folder.
    ::setenv("TMPDIR", (home + "/tmp").c_str(), 1);
    ::chmod((home + "/runtime").c_str(), 0700);
}

// The offscreen platform says for every raised window that it cannot raise
// it; that would bury the test output.
QtMessageHandler g_standardHandler = nullptr;

void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (g_standardHandler)
        g_standardHandler(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    const test::TempFolder home("zm47-app-e2e");
    if (home.path().empty())
        return 1;
    MoveHome(home.str());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_standardHandler = qInstallMessageHandler(QuietOffscreenNotes);
    int status = 0;
    {
        CApp app(argc, argv);
        status = RUN_ALL_TESTS();
    }
    return status;
}
