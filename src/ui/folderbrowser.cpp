#include "folderbrowser.h"

#include "i18n/i18n.h"
#include "settings/settings.h"
#include "ui/portalfilechooser.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

FolderBrowser::FolderBrowser(QObject *parent)
    : QObject(parent)
    , m_path(QDir::homePath())
{
}

void FolderBrowser::setFolder(const QUrl &folder)
{
    QString path = folder.isLocalFile() ? QDir::cleanPath(folder.toLocalFile()) : QString();
    while (!path.isEmpty() && !QFileInfo(path).isDir()) {
        const QString above = QFileInfo(path).path();
        path = above == path ? QString() : above;
    }
    if (path.isEmpty())
        path = QDir::homePath();
    if (path == m_path)
        return;
    m_path = path;
    emit folderChanged();
}

QUrl FolderBrowser::parentFolder() const
{
    QDir dir(m_path);
    return dir.cdUp() ? QUrl::fromLocalFile(dir.path()) : QUrl();
}

QString FolderBrowser::folderText() const
{
    return Settings::displayPath(m_path);
}

void FolderBrowser::setNameFilters(const QStringList &filters)
{
    if (filters == m_nameFilters)
        return;
    m_nameFilters = filters;
    m_filterIndex = 0;
    emit nameFiltersChanged();
}

void FolderBrowser::setFilterIndex(int index)
{
    if (index == m_filterIndex || index < 0 || index >= m_nameFilters.size())
        return;
    m_filterIndex = index;
    emit nameFiltersChanged();
}

QStringList FolderBrowser::patterns() const
{
    QStringList patterns;
    for (const PortalFilter::Rule &rule : portalFilters({m_nameFilters.value(m_filterIndex)}).value(0).rules)
        patterns << rule.pattern;
    return patterns;
}

QString FolderBrowser::makeFolder(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return L("Dê um nome à nova pasta.");
    if (trimmed == u"." || trimmed == u".." || trimmed.contains(u'/'))
        return L("Um nome de pasta não pode ser “.” nem “..”, nem ter “/”.");
    const QString path = QDir(m_path).filePath(trimmed);
    if (QFileInfo::exists(path))
        return LF("Já existe “%@” nesta pasta.", trimmed);
    if (!QDir(m_path).mkdir(trimmed))
        return LF("Não foi possível criar “%@” nesta pasta.", trimmed);
    setFolder(QUrl::fromLocalFile(path));
    return {};
}
