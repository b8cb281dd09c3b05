#pragma once

// Whole-file rewrites: the content goes to a temporary file in the same folder, is flushed and
// checked, and only then renamed over the old file, so a crash or a full disk never leaves a
// half-written file behind.

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace core {

// write fills the device and returns false (with the error) on failure. With syncFolder the
// folder is synced after the rename too, for the files whose loss would hurt most.
bool WriteFileSafely(const QString& path, const std::function<bool(QIODevice&, QString*)>& write, QString* error,
                     bool syncFolder = false);
// The same for content that is ready as bytes.
bool WriteBytesSafely(const QString& path, const QByteArray& bytes, QString* error, bool syncFolder = false);

} // namespace core
