#pragma once
// The settings file VELKORIN.INI: where it is, how one key is looked up, how the language item is
// rewritten in place. Everything here goes through file number 1 and leaves it closed.

#include <QString>
#include <cstdint>

// Full name of the settings file, worked out anew by every reader.
QString IniPath();

// Value of the first item that begins with key (letter case ignored, at the start only): the text after
// the first "=", trimmed. Only the first megabyte of the file is read. Error 62 when no item begins with key; the open
// errors of the file otherwise.
QString IniScan(const QString& key);

// Rewrites the language item: text (e.g. "Language=Finnish") takes the place of the first item that
// begins with "Language", or is appended on a line of its own when there is none (put first instead
// when the end lies beyond the megabyte a start reads); every other item and byte is kept, whatever
// the file's size, and a missing file is created. A file ending inside an open quote gets the quote
// closed before the item, so that the next start reads it. Raises the read and write errors
// (NotARegularFile for a folder, pipe or device), and 321 when the file would still not give the
// item back as written; leaves file number 1 closed.
void writeLanguageItem(const QString& text);

// The start folder of the file dialogs: AppPath plus "\System\", without doubling a trailing "\".
QString dialogStartFolder(const QString& appPath);

// The help file for the language: AppPath plus "\tipsfin.hlp" or "\tipsswe.hlp".
QString helpFilePath(const QString& appPath, std::int16_t sprakoffset);

// One item of the settings file as its reader sees it, with the byte position its read began at.
struct IniItem {
    QString text;
    std::int64_t start = 0;
    std::int64_t end = 0;  // where the item's own characters end, before its delimiter
};

// Scans bytes item by item for the key; returns the matching item, or nothing with endPos set to the
// position the failed read began at (the end of the file).
bool scanIniItems(const QByteArray& bytes, const QString& key, IniItem& found, std::int64_t& endPos);
