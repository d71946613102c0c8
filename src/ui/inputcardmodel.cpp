#include "inputcardmodel.h"

#include "root/downloader.h"
#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/playlistlisting.h"
#include "i18n/i18n.h"
#include "intake/linkextraction.h"
#include "model/quality.h"
#include "model/qualitychoice.h"
#include "settings/settings.h"

namespace {

// Spaces and tabs only, as the button's state is decided.
QStringView trimBlanks(QStringView text)
{
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (!text.isEmpty() && blank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && blank(text.back()))
        text.chop(1);
    return text;
}

} // namespace

InputCardModel::InputCardModel(QObject *parent)
    : QObject(parent)
{
    connect(m_options, &DownloadOptionsForm::changed, this, &InputCardModel::canSubmitChanged);
    connect(m_plan, &PlaylistPlan::changed, this, &InputCardModel::canSubmitChanged);
}

void InputCardModel::setDownloader(Downloader *downloader)
{
    if (m_downloader == downloader)
        return;
    if (m_downloader) {
        disconnect(m_downloader->engine(), nullptr, this, nullptr);
        disconnect(&m_downloader->settings(), nullptr, this, nullptr);
    }
    m_downloader = downloader;
    m_plan->readWith(downloader ? new PlaylistListing(downloader->settings(), *downloader->engine()) : nullptr);
    m_plan->setQuality(downloader ? uiQuality(downloader->settings()) : Quality::best);
    if (downloader) {
        connect(downloader->engine(), &EngineSetup::engineChanged, this, &InputCardModel::canSubmitChanged);
        connect(&downloader->settings(), &Settings::valueChanged, this, &InputCardModel::onSettingChanged);
    }
    emit downloaderChanged();
    emit canSubmitChanged();
    emit qualityChanged();
    emit playlistChanged();
}

void InputCardModel::setInput(const QString &input)
{
    if (m_input == input)
        return;
    const bool wasEmpty = empty();
    m_input = input;
    setProblem(QString());
    // A list read for another link says nothing about this one.
    if (!m_plan->url().isEmpty() && m_plan->url() != m_input.trimmed())
        m_plan->clear();
    emit inputChanged();
    if (wasEmpty != empty())
        emit canSubmitChanged();
}

bool InputCardModel::empty() const
{
    return trimBlanks(m_input).isEmpty();
}

bool InputCardModel::canSubmit() const
{
    return !empty() && m_downloader && m_downloader->engine()->ready() && m_options->problem().isEmpty()
        && !(playlist() && m_plan->nothingPicked(m_input));
}

QString InputCardModel::quality() const
{
    return m_downloader ? uiQuality(m_downloader->settings()).id() : Quality(Quality::best).id();
}

void InputCardModel::setQuality(const QString &id)
{
    if (m_downloader && Quality::fromId(id))
        m_downloader->settings().setValue(SettingsKey::uiQuality, id);
}

QString InputCardModel::qualityLabel() const
{
    return m_qualities->labelFor(quality());
}

bool InputCardModel::qualityAudio() const
{
    return Quality::fromId(quality()).value_or(Quality::best).isAudio();
}

bool InputCardModel::playlist() const
{
    return m_downloader && m_downloader->settings().uiPlaylist();
}

void InputCardModel::setPlaylist(bool playlist)
{
    if (m_downloader && playlist != this->playlist())
        m_downloader->settings().setValue(SettingsKey::uiPlaylist, playlist);
}

void InputCardModel::submit()
{
    QString text = m_input.trimmed();
    auto options = m_options->options();
    if (text.isEmpty() || !m_downloader || !options || (playlist() && m_plan->nothingPicked(text)))
        return;
    if (extractURLs(text).isEmpty()) {
        const QStringList addresses = schemelessAddresses(text);
        if (addresses.isEmpty()) {
            setProblem(L(QStringLiteral("Não há um link neste texto. Cole um endereço que comece com http:// ou https://.")));
            return;
        }
        text = addresses.join(u'\n');
    }
    if (playlist())
        options->playlistItems = m_plan->playlistItems(text);
    m_downloader->queue()->add(text, uiQuality(m_downloader->settings()), playlist(), *options);
    setInput(QString());
    m_plan->clear();
    // Options are for the links they were set for; the next link starts from the settings again.
    m_options->reset();
}

void InputCardModel::setProblem(const QString &problem)
{
    if (problem == m_problem)
        return;
    m_problem = problem;
    emit problemChanged();
}

void InputCardModel::onSettingChanged(const QString &key)
{
    if (key == SettingsKey::uiQuality) {
        m_plan->setQuality(uiQuality(m_downloader->settings()));
        emit qualityChanged();
    }
    else if (key == SettingsKey::uiPlaylist)
        emit playlistChanged();
}
