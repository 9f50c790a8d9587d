// zm47-librarian [--simulator [--sim-memory FILE.z4l]] [--lang en|ja]
//                [--no-register] [--help] [--version] [FILE]
#include "app/main/App.h"
#include "app/main/AppOptions.h"

#include <QString>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int kUsageError = 2;

} // namespace

int main(int argc, char** argv) {
    // The options are read before the window system is started, so that
    // --help and a usage mistake need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    CAppOptions options;
    QString error;
    if (!ParseAppOptions(arguments, options, error)) {
        std::fprintf(stderr, "zm47-librarian: %s\nzm47-librarian --help lists the options.\n", qPrintable(error));
        return kUsageError;
    }
    if (options.help) {
        std::fputs(qPrintable(AppOptionsHelp()), stdout);
        return 0;
    }
    if (options.version) {
        std::fputs(qPrintable(AppVersionText()), stdout);
        return 0;
    }
    CApp app(argc, argv);
    return app.Run(options);
}
