#pragma once

#include <QtGlobal>

// The functions of the alert sound's module ("selvadoro_sound" beside the
// program). Qt Multimedia and the audio libraries under it take a good part
// of a start-up that most runs never need, so only the module links them;
// the program loads it at its first sound (`QtAlertSound`).
extern "C" {

// Plays the sound file at `path` (UTF-16, `length` code units), replacing
// the sound playing.
using SelvadoroSoundPlay = void (*)(const char16_t* path, qsizetype length);
// Stops the sound playing, if any.
using SelvadoroSoundStop = void (*)();
// Lets the player go; call before the application object goes.
using SelvadoroSoundRelease = void (*)();

}  // extern "C"

// The names the module exports them under.
inline constexpr const char* kSoundModule = "selvadoro_sound";
inline constexpr const char* kSoundPlay = "selvadoro_sound_play";
inline constexpr const char* kSoundStop = "selvadoro_sound_stop";
inline constexpr const char* kSoundRelease = "selvadoro_sound_release";
