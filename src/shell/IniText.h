#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The few rules of INI (profile) files that the password file needs, in the
// way the Windows profile functions read them: "[Section]" lines, then
// "Key=Value" lines; names compared without regard to letter case, blanks
// around names and values ignored, lines starting with ";" or "#" are
// comments. The bytes are taken as Latin-1, so a rewrite keeps every byte
// that it does not change.
namespace ini {

// The value of `key` in `section`; empty when either is missing.
std::optional<QString> value(const QByteArray& content, const QString& section, const QString& key);

// `content` with `key` of `section` set to `value`: the first such key is
// replaced, or the key is added at the end of the section, or the section
// at the end of the file. Every other line stays; lines end with CR LF.
QByteArray withValue(const QByteArray& content, const QString& section, const QString& key,
                     const QString& value);

}  // namespace ini
