#include "platform/shell/FileType.h"

#include "platform/shell/FixedNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

QStringList SystemDataFolders() {
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    return dirs.split(u':', Qt::SkipEmptyParts);
}

QString GlobOf(const QString& extension) { return u'*' + extension; }

void AddOwner(QStringList& owners, const QString& type) {
    if (!type.isEmpty() && !owners.contains(type))
        owners.append(type);
}

// <mime-type type="..."><glob pattern="*.ext"/> in a package file.
void ScanPackage(const QString& file, const QString& glob, QStringList& owners) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return;
    QXmlStreamReader xml(&in);
    QString type;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"mime-type")
            type = xml.attributes().value(QStringLiteral("type")).toString();
        else if (xml.name() == u"glob" &&
                 xml.attributes().value(QStringLiteral("pattern")).compare(glob, Qt::CaseInsensitive) == 0)
            AddOwner(owners, type);
    }
}

// "weight:type:glob[:flags]" lines of globs2, "type:glob" lines of globs.
void ScanGlobList(const QString& file, int typeField, const QString& glob, QStringList& owners) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        if (line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u':');
        if (fields.size() > typeField + 1 && fields[typeField + 1].compare(glob, Qt::CaseInsensitive) == 0)
            AddOwner(owners, fields[typeField]);
    }
}

// A desktop entry's Exec value for the program: quoted for the command line,
// then escaped as a desktop entry string.
QString ExecValue(const QString& program) {
    QString quoted;
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return u'"' + quoted + QStringLiteral("\" %f");
}

QByteArray DesktopEntry(const QString& mimeType, const QString& iconName) {
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "MimeType=%3;\n"
                                        "Icon=%4\n"
                                        "Terminal=false\n"
                                        "Categories=AudioVideo;Audio;Midi;\n")
                             .arg(QString::fromStdString(GetProductTitle()),
                                  ExecValue(QString::fromStdString(GetProgramPath())), mimeType, iconName);
    return text.toUtf8();
}

QByteArray MimePackage(const QString& mimeType, const QString& description, const QString& glob) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("mime-info"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    xml.writeStartElement(QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), mimeType);
    xml.writeTextElement(QStringLiteral("comment"), description);
    xml.writeEmptyElement(QStringLiteral("glob"));
    xml.writeAttribute(QStringLiteral("pattern"), glob);
    // Librarian files begin with their magic text.
    xml.writeStartElement(QStringLiteral("magic"));
    xml.writeAttribute(QStringLiteral("priority"), QStringLiteral("50"));
    xml.writeEmptyElement(QStringLiteral("match"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("string"));
    xml.writeAttribute(QStringLiteral("offset"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("value"), QStringLiteral("ZM4LibrarianFile0000"));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

enum class WriteResult { kUnchanged, kWritten, kFailed };

WriteResult WriteIfChanged(const QString& path, const QByteArray& bytes) {
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return WriteResult::kUnchanged;
    existing.close();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return WriteResult::kFailed;
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return WriteResult::kFailed;
    return WriteResult::kWritten;
}

// The desktop reads its caches, not the files; the tools that rebuild them
// are run without waiting, where they are installed.
void RefreshCache(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty())
        QProcess::startDetached(program, {folder});
}

QString PackageFileName(const QString& mimeType) { return mimeType.section(u'/', 1) + QStringLiteral(".xml"); }

// The desktop names a file type's icon after the type ("application/x-a"
// shows "application-x-a").
QString MimeIconName(const QString& mimeType) { return QString(mimeType).replace(u'/', u'-'); }

// The program's icon and its files' icon in the user's icon theme folder,
// where the desktop entry and the file type find them by name.
WriteResult InstallIcons(const QString& hicolor, const QString& mimeType, const CFileTypeIcons& icons) {
    const auto install = [](const QString& path, const QByteArray& svg) {
        return svg.isEmpty() ? WriteResult::kUnchanged : WriteIfChanged(path, svg);
    };
    const WriteResult program =
        install(hicolor + QStringLiteral("/scalable/apps/") + icons.programIconName + QStringLiteral(".svg"),
                icons.programSvg);
    const WriteResult file =
        install(hicolor + QStringLiteral("/scalable/mimetypes/") + MimeIconName(mimeType) + QStringLiteral(".svg"),
                icons.fileSvg);
    if (program == WriteResult::kFailed || file == WriteResult::kFailed)
        return WriteResult::kFailed;
    return program == WriteResult::kWritten || file == WriteResult::kWritten ? WriteResult::kWritten
                                                                             : WriteResult::kUnchanged;
}

} // namespace

QString UserDataFolder() {
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (!home.isEmpty() && QDir::isAbsolutePath(home))
        return QDir::cleanPath(home);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QStringList FindFileTypeOwners(const QString& extension) {
    const QString glob = GlobOf(extension);
    QStringList owners;
    QStringList folders{UserDataFolder()};
    folders += SystemDataFolders();
    for (const QString& folder : folders) {
        const QDir packages(folder + QStringLiteral("/mime/packages"));
        for (const QString& name : packages.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name))
            ScanPackage(packages.filePath(name), glob, owners);
        ScanGlobList(folder + QStringLiteral("/mime/globs2"), 1, glob, owners);
        ScanGlobList(folder + QStringLiteral("/mime/globs"), 0, glob, owners);
    }
    return owners;
}

bool RegisterFileType(const QString& extension, const QString& mimeType, const QString& description,
                      const CFileTypeIcons& icons) {
    if (GetProgramPath().empty() || extension.isEmpty() || !mimeType.contains(u'/'))
        return false;
    const QString dataFolder = UserDataFolder();
    const QString hicolor = dataFolder + QStringLiteral("/icons/hicolor");
    const WriteResult pictures = InstallIcons(hicolor, mimeType, icons);
    if (pictures == WriteResult::kFailed)
        return false;
    if (pictures == WriteResult::kWritten)
        RefreshCache(QStringLiteral("gtk-update-icon-cache"), hicolor);
    const QString applications = dataFolder + QStringLiteral("/applications");
    const WriteResult entry = WriteIfChanged(applications + u'/' + QLatin1String(kDesktopEntryName),
                                             DesktopEntry(mimeType, icons.programIconName));
    if (entry == WriteResult::kFailed)
        return false;

    WriteResult package = WriteResult::kUnchanged;
    QStringList owners = FindFileTypeOwners(extension);
    owners.removeAll(mimeType);
    if (owners.isEmpty()) {
        const QString mime = dataFolder + QStringLiteral("/mime");
        package = WriteIfChanged(mime + QStringLiteral("/packages/") + PackageFileName(mimeType),
                                 MimePackage(mimeType, description, GlobOf(extension)));
        if (package == WriteResult::kFailed)
            return false;
        if (package == WriteResult::kWritten)
            RefreshCache(QStringLiteral("update-mime-database"), mime);
    }
    if (entry == WriteResult::kWritten)
        RefreshCache(QStringLiteral("update-desktop-database"), applications);
    return true;
}

bool RegisterLibrarianFileType(const CFileTypeIcons& icons) {
    if (IsInstalledProgram())
        return true;
    return RegisterFileType(QString::fromStdString(GetFileExtension()), QLatin1String(kLibrarianMimeType),
                            QString::fromStdString(GetModelName()) + QStringLiteral(" Librarian Document"), icons);
}
