#include "translations/Language.h"

#include "messages/MessageTable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

struct Translators {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

// The translators installed now; the application keeps pointers to them.
Translators& Installed() {
    static Translators translators;
    return translators;
}

void Remove(std::unique_ptr<QTranslator>& translator) {
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

bool IsJapaneseUserInterface() {
    const QStringList languages = QLocale::system().uiLanguages();
    return !languages.isEmpty() && languages.first().startsWith(QStringLiteral("ja"));
}

bool InstallLanguage(bool japanese) {
    Translators& installed = Installed();
    Remove(installed.program);
    Remove(installed.qt);
    GetMessageTable().SetLanguage(japanese ? CMessageTable::kJapanese : CMessageTable::kEnglish);
    if (!japanese)
        return true;

    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed.qt = std::move(qt);
    }
    auto program = std::make_unique<QTranslator>();
    if (!program->load(QStringLiteral(":/i18n/zm47_ja.qm")))
        return false;
    // Installed last, so the program's own texts win over Qt's.
    QCoreApplication::installTranslator(program.get());
    installed.program = std::move(program);
    return true;
}
