#include "completionsound.h"

#include "platform/logging.h"

#include <QLoggingCategory>
#include <QThread>

#include <canberra.h>

namespace {

// Lives on the sound thread and owns the canberra context there.
class Player : public QObject
{
public:
    ~Player() override
    {
        if (m_context)
            ca_context_destroy(m_context);
    }

    void play()
    {
        if (!m_context && ca_context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            return;
        }
        const int result = ca_context_play(m_context, 0, CA_PROP_EVENT_ID, "complete", CA_PROP_EVENT_DESCRIPTION, "Download finished",
                                           CA_PROP_APPLICATION_NAME, "Vireloom", nullptr);
        if (result != CA_SUCCESS)
            qCDebug(lcSound) << "no completion sound:" << ca_strerror(result);
    }

private:
    ca_context *m_context = nullptr;
};

} // namespace

CompletionSound::CompletionSound(QObject *parent)
    : QObject(parent)
    , m_thread(new QThread(this))
{
    m_thread->setObjectName(QStringLiteral("sound"));
    auto *player = new Player;
    player->moveToThread(m_thread);
    connect(this, &CompletionSound::playRequested, player, [player] { player->play(); });
    connect(m_thread, &QThread::finished, player, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);
}

CompletionSound::~CompletionSound()
{
    m_thread->quit();
    m_thread->wait();
}

void CompletionSound::play()
{
    emit playRequested();
}
