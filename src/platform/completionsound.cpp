#include "completionsound.h"

#include "platform/logging.h"

#include <QLibrary>
#include <QLoggingCategory>
#include <QThread>

#include <canberra.h>

namespace {

// libcanberra, and the sound libraries it pulls in, are loaded with the first sound rather
// than with the application: many sessions never play one.
struct Canberra
{
    decltype(&::ca_context_create) create = nullptr;
    decltype(&::ca_context_destroy) destroy = nullptr;
    decltype(&::ca_context_play) play = nullptr;
    decltype(&::ca_strerror) strerror = nullptr;

    // The library, or nothing where it cannot be loaded. Asked on the sound thread alone.
    static const Canberra *get()
    {
        static const Canberra loaded = [] {
            Canberra lib;
            QLibrary library(QStringLiteral("canberra"), 0);
            if (!library.load()) {
                qCDebug(lcSound) << "no completion sound:" << library.errorString();
                return lib;
            }
            lib.create = reinterpret_cast<decltype(&::ca_context_create)>(library.resolve("ca_context_create"));
            lib.destroy = reinterpret_cast<decltype(&::ca_context_destroy)>(library.resolve("ca_context_destroy"));
            lib.play = reinterpret_cast<decltype(&::ca_context_play)>(library.resolve("ca_context_play"));
            lib.strerror = reinterpret_cast<decltype(&::ca_strerror)>(library.resolve("ca_strerror"));
            return lib;
        }();
        return loaded.create && loaded.destroy && loaded.play && loaded.strerror ? &loaded : nullptr;
    }
};

// Lives on the sound thread and owns the canberra context there.
class Player : public QObject
{
public:
    ~Player() override
    {
        if (m_context)
            Canberra::get()->destroy(m_context);
    }

    void play()
    {
        const Canberra *lib = Canberra::get();
        if (!lib)
            return;
        if (!m_context && lib->create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            return;
        }
        const int result = lib->play(m_context, 0, CA_PROP_EVENT_ID, "complete", CA_PROP_EVENT_DESCRIPTION, "Download finished",
                                     CA_PROP_APPLICATION_NAME, "Vireloom", nullptr);
        if (result != CA_SUCCESS)
            qCDebug(lcSound) << "no completion sound:" << lib->strerror(result);
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
