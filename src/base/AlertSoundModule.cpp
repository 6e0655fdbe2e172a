// The alert sound's module: a player on the default audio output, made at
// the first sound.
#include "base/AlertSoundModule.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <memory>

namespace {

struct Player {
    Player() { player.setAudioOutput(&output); }

    QAudioOutput output;  // outlives the player that plays on it
    QMediaPlayer player;
};

std::unique_ptr<Player>& player() {
    static std::unique_ptr<Player> made;
    return made;
}

}  // namespace

extern "C" {

Q_DECL_EXPORT void selvadoro_sound_play(const char16_t* path, qsizetype length) {
    if (!player()) player() = std::make_unique<Player>();
    const QString file(reinterpret_cast<const QChar*>(path), length);
    player()->player.setSource(QUrl::fromLocalFile(file));
    player()->player.play();
}

Q_DECL_EXPORT void selvadoro_sound_stop() {
    if (player()) player()->player.stop();
}

Q_DECL_EXPORT void selvadoro_sound_release() {
    player().reset();
}

}  // extern "C"
