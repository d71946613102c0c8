#include "inputcardmodel.h"

#include "engine/downloadqueue.h"
#include "engine/enginesetup.h"
#include "engine/playlistlisting.h"
#include "i18n/i18n.h"
#include "intake/linkextraction.h"
#include "model/quality.h"
#include "root/downloader.h"
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
    }
    m_downloader = downloader;
    m_plan->readWith(downloader ? new PlaylistListing(downloader->settings(), *downloader->engine()) : nullptr);
    delete std::exchange(m_choiceReader, nullptr);
    if (downloader) {
        m_choiceReader = new PlaylistListing(downloader->settings(), *downloader->engine(), this);
        connect(m_choiceReader, &PlaylistListing::read, this, [this](const QString &url, const std::optional<MediaInfo> &info) {
            emit readingChoicesChanged();
            if (m_choicesUrl.isEmpty() || url != m_choicesLink)
                return;
            // A playlist has no one video's tracks to choose from.
            m_options->setChoices(info && !info->isPlaylist ? info->choices : MediaChoices());
        });
    }
    if (downloader)
        connect(downloader->engine(), &EngineSetup::engineChanged, this, &InputCardModel::canSubmitChanged);
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
    if (!m_choicesUrl.isEmpty() && m_choicesUrl != m_input.trimmed()) {
        m_choicesUrl.clear();
        if (m_choiceReader)
            m_choiceReader->stop();
        m_options->setChoices({});
        emit readingChoicesChanged();
    }
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

void InputCardModel::setChoice(CardChoice *choice)
{
    if (m_choice == choice)
        return;
    if (m_choice)
        disconnect(m_choice, nullptr, this, nullptr);
    m_choice = choice;
    if (choice) {
        connect(choice, &CardChoice::qualityChanged, this, [this] {
            m_plan->setQuality(m_choice->quality());
            emit qualityChanged();
        });
        connect(choice, &CardChoice::playlistChanged, this, &InputCardModel::playlistChanged);
        connect(choice, &CardChoice::playlistChanged, this, &InputCardModel::canSubmitChanged);
        m_plan->setQuality(choice->quality());
    }
    emit choiceChanged();
    emit qualityChanged();
    emit playlistChanged();
    emit canSubmitChanged();
}

QString InputCardModel::quality() const
{
    return (m_choice ? m_choice->quality() : Quality(Quality::best)).id();
}

void InputCardModel::setQuality(const QString &id)
{
    if (const auto quality = Quality::fromId(id); quality && m_choice)
        m_choice->setQuality(*quality);
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
    return m_choice && m_choice->playlist();
}

void InputCardModel::setPlaylist(bool playlist)
{
    if (m_choice)
        m_choice->setPlaylist(playlist);
}

void InputCardModel::submit()
{
    QString text = m_input.trimmed();
    auto options = m_options->options();
    if (text.isEmpty() || !m_downloader || !m_choice || !options || (playlist() && m_plan->nothingPicked(text)))
        return;
    if (extractURLs(text).isEmpty()) {
        const QStringList addresses = schemelessAddresses(text);
        if (addresses.isEmpty()) {
            setProblem(L("Não há um link neste texto. Cole um endereço que comece com http:// ou https://."));
            return;
        }
        text = addresses.join(u'\n');
    }
    if (playlist())
        options->playlistItems = m_plan->playlistItems(text);
    m_downloader->queue()->add(text, m_choice->quality(), playlist(), *options);
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

void InputCardModel::readChoices()
{
    const QString text = m_input.trimmed();
    const QStringList links = extractURLs(text);
    if (!m_choiceReader || text == m_choicesUrl || links.size() != 1 || playlist())
        return;
    m_choicesUrl = text;
    m_choicesLink = links.first();
    // A reason not to read (no engine) leaves the sheet as it is without the reading.
    if (m_choiceReader->start(m_choicesLink))
        m_choicesUrl.clear();
    emit readingChoicesChanged();
}

bool InputCardModel::readingChoices() const
{
    return m_choiceReader && m_choiceReader->busy();
}
