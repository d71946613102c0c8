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
    , m_intervals(new OptionList({{u"900"_s, L("A cada 15 minutos")},
                                  {u"3600"_s, L("A cada hora")},
                                  {u"10800"_s, L("A cada 3 horas")},
                                  {u"21600"_s, L("A cada 6 horas")},
                                  {u"43200"_s, L("A cada 12 horas")},
                                  {u"86400"_s, L("Uma vez por dia")},
                                  {u"604800"_s, L("Uma vez por semana")}},
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
        setOutcome(L("Este link não pode ser seguido: use o endereço (http ou https) de um canal, uma playlist ou um feed."), true);
        return false;
    }
    if (m_following->sources().size() == before) {
        setOutcome(L("Você já segue este link."), false);
        return true;
    }
    m_reading = *id;
    setOutcome(L("Seguindo: a primeira leitura já começou."), false);
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
    setOutcome(LF("Nada para seguir em %@: não é um canal, uma playlist nem um feed, ou já não existe.", url), true);
}

QString FollowingView::stateText(const QString &state, const QString &problem, qint64 backoff, bool paused)
{
    if (state == u"checking") {
        // Asked for by the user, a paused source is read this once and stays paused.
        return paused ? L("Verificando só desta vez: a fonte continua pausada") : L("Verificando…");
    }
    if (state == u"paused")
        return L("Pausada");
    if (state == u"failed") {
        if (problem == u"rateLimited") {
            if (backoff > 0)
                return LF("O site pediu uma pausa: verificando a cada %ld h", backoff / 3600);
            return L("O site pediu uma pausa: tentando de novo mais tarde");
        }
        if (problem == u"vanished")
            return L("Não encontrada: o link sumiu, é privado ou não é uma lista");
        if (problem == u"network")
            return L("Não consegui falar com o site: tentando de novo mais tarde");
        if (problem == u"engineMissing")
            return L("Motor não instalado — clique em Instalar agora.");
        return L("O yt-dlp não conseguiu listar esta fonte");
    }
    return state == u"ok" ? L("Em dia") : L("Aguardando a primeira leitura");
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
        return L("agora");
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
