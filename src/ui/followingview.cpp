#include "followingview.h"

#include "following/following.h"
#include "following/followinglist.h"
#include "i18n/i18n.h"
#include "ui/cardtexts.h"
#include "ui/datetext.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

FollowingView::FollowingView(QObject *parent)
    : QObject(parent)
    , m_qualities(OptionList::qualities(this))
    , m_intervals(new OptionList({{u"900"_s, L(u"A cada 15 minutos"_s)},
                                  {u"3600"_s, L(u"A cada hora"_s)},
                                  {u"10800"_s, L(u"A cada 3 horas"_s)},
                                  {u"21600"_s, L(u"A cada 6 horas"_s)},
                                  {u"43200"_s, L(u"A cada 12 horas"_s)},
                                  {u"86400"_s, L(u"Uma vez por dia"_s)},
                                  {u"604800"_s, L(u"Uma vez por semana"_s)}},
                                 this))
{
    m_now = QDateTime::currentDateTimeUtc();
    m_clock.setInterval(30'000);
    connect(&m_clock, &QTimer::timeout, this, [this] {
        m_now = QDateTime::currentDateTimeUtc();
        emit nowChanged();
    });
    m_clock.start();
}

void FollowingView::setFollowing(Following *following)
{
    if (following == m_following)
        return;
    if (m_following)
        m_following->disconnect(this);
    m_following = following;
    m_reading = {};
    if (m_following) {
        connect(m_following, &Following::sourcesChanged, this, &FollowingView::noteSourcesChanged);
        connect(m_following, &Following::followRefused, this, &FollowingView::onFollowRefused);
    }
    emit followingChanged();
}

bool FollowingView::follow(const QString &url, bool latest, const QString &quality)
{
    if (!m_following)
        return false;
    m_reading = {};
    std::optional<SourceOptions> options;
    if (const auto preset = Quality::fromId(quality)) {
        options.emplace();
        options->quality = *preset;
    }
    const qsizetype before = m_following->sources().size();
    const auto id = m_following->add(url, latest ? m_following->listingLimit() : 0, options);
    if (!id) {
        setOutcome(L(u"Este link não pode ser seguido: use o endereço (http ou https) de um canal, uma playlist ou um feed."_s), true);
        return false;
    }
    if (m_following->sources().size() == before) {
        setOutcome(L(u"Você já segue este link."_s), false);
        return true;
    }
    m_reading = *id;
    setOutcome(L(u"Seguindo: a primeira leitura já começou."_s), false);
    return true;
}

void FollowingView::clearOutcome()
{
    m_reading = {};
    setOutcome({}, false);
}

void FollowingView::setOutcome(const QString &text, bool refused)
{
    if (text == m_outcome && refused == m_outcomeRefused)
        return;
    m_outcome = text;
    m_outcomeRefused = refused;
    emit outcomeChanged();
}

void FollowingView::noteSourcesChanged()
{
    if (m_reading.isNull() || !m_following)
        return;
    // Checked, paused or removed: the card tells the rest.
    const FollowedSource *source = m_following->find(m_reading);
    if (source && !source->lastCheck && !source->paused)
        return;
    clearOutcome();
}

void FollowingView::onFollowRefused(const QUuid &id, const QString &url)
{
    if (id == m_reading)
        m_reading = {};
    setOutcome(LF(u"Nada para seguir em %@: não é um canal, uma playlist nem um feed, ou já não existe."_s, url), true);
}

QString FollowingView::stateText(const QString &state, const QString &problem, qint64 backoff, bool paused)
{
    if (state == u"checking") {
        // Asked for by the user, a paused source is read this once and stays paused.
        return paused ? L(u"Verificando só desta vez: a fonte continua pausada"_s) : L(u"Verificando…"_s);
    }
    if (state == u"paused")
        return L(u"Pausada"_s);
    if (state == u"failed") {
        if (problem == u"rateLimited") {
            if (backoff > 0)
                return LF(u"O site pediu uma pausa: verificando a cada %ld h"_s, backoff / 3600);
            return L(u"O site pediu uma pausa: tentando de novo mais tarde"_s);
        }
        if (problem == u"vanished")
            return L(u"Não encontrada: o link sumiu, é privado ou não é uma lista"_s);
        if (problem == u"network")
            return L(u"Não consegui falar com o site: tentando de novo mais tarde"_s);
        if (problem == u"engineMissing")
            return L(u"Motor não instalado — clique em Instalar agora."_s);
        return L(u"O yt-dlp não conseguiu listar esta fonte"_s);
    }
    return state == u"ok" ? L(u"Em dia"_s) : L(u"Aguardando a primeira leitura"_s);
}

QString FollowingView::stateText(const FollowedSource &source, bool checking)
{
    return stateText(FollowingList::stateName(source, checking), FollowingList::problemName(source.problem.kind), source.backoff,
                     source.paused);
}

QString FollowingView::when(const QDateTime &date, const QDateTime &now)
{
    if (!date.isValid())
        return u"—"_s;
    // Within a minute either way is "now": a check that just ended is not "in 0 seconds".
    if (qAbs(date.secsTo(now)) < 60)
        return L(u"agora"_s);
    return DateText::relative(date, now);
}

QString FollowingView::clock(int minutes)
{
    minutes = ((minutes % 1440) + 1440) % 1440;
    return u"%1:%2"_s.arg(minutes / 60, 2, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0'));
}

int FollowingView::minutesOf(const QString &text)
{
    static const QRegularExpression withColon(u"^\\s*(\\d{1,2})\\s*[:.h]\\s*(\\d{2})\\s*$"_s);
    static const QRegularExpression digits(u"^\\s*(\\d{1,4})\\s*$"_s);
    int hours = -1;
    int minutes = 0;
    if (const QRegularExpressionMatch m = withColon.match(text); m.hasMatch()) {
        hours = m.captured(1).toInt();
        minutes = m.captured(2).toInt();
    } else if (const QRegularExpressionMatch d = digits.match(text); d.hasMatch()) {
        // "7" is seven o'clock, "730" and "0730" half past seven.
        const QString n = d.captured(1);
        if (n.size() <= 2) {
            hours = n.toInt();
        } else {
            hours = n.left(n.size() - 2).toInt();
            minutes = n.right(2).toInt();
        }
    }
    if (hours < 0 || hours > 23 || minutes > 59)
        return -1;
    return hours * 60 + minutes;
}

QString FollowingView::site(const QString &site)
{
    return CardTexts::siteTag(site);
}
