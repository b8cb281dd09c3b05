#pragma once

// The configuration file and the window-state file: every key, its default and its storage
// form. Each routine opens the file, reads or writes its keys and, when writing, rewrites the
// file at once, so nothing is lost if the program dies afterwards.

#include "core/GameTypes.h"

#include <QString>

namespace core {

inline const QString kMainWindowSection = QStringLiteral("TFormMain");

// Sections "GLOBAL" (MatrixCols, MatrixSegments, ChannelSize), "STAKES" and "CDL".
bool ConfigLoad(const QString& path, TConfigData& config, QString* error = nullptr);
bool ConfigSave(const QString& path, const TConfigData& config, QString* error = nullptr);
// "CombsGenerateMode" and "CombsGenerateParameters" of "GLOBAL".
bool GenSettingsLoad(const QString& path, TGenSettings& gen, QString* error = nullptr);
bool GenSettingsSave(const QString& path, const TGenSettings& gen, QString* error = nullptr);
// Section "SHREDDING".
bool ShreddingLoad(const QString& path, TShreddingData& data, QString* error = nullptr);
bool ShreddingSave(const QString& path, const TShreddingData& data, QString* error = nullptr);

// One key of one window's section in the window-state file. The write routines rewrite the
// file at once; they return false (and fill error) when that fails.
bool StateReadBool(const QString& path, const QString& window, const QString& key, bool def);
int StateReadInt(const QString& path, const QString& window, const QString& key, int def);
QString StateReadString(const QString& path, const QString& window, const QString& key, const QString& def = {});
bool StateWriteBool(const QString& path, const QString& window, const QString& key, bool value,
                    QString* error = nullptr);
bool StateWriteInt(const QString& path, const QString& window, const QString& key, int value, QString* error = nullptr);
bool StateWriteString(const QString& path, const QString& window, const QString& key, const QString& value,
                      QString* error = nullptr);

} // namespace core
