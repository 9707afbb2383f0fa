#pragma once
// Stored language data: the texts of one class, kept in a framework data
// file ("i18n.zaf") as the file "ZafLanguageData~<class name>". The record
// is the data part (i16 number id), a u16 entry count, then per entry the
// text, i16 number id, string id, u16 hot-key character and i16 hot-key
// index (-1 none). The application installs the loader over its "i18n.zaf";
// the data-file writer writes built-in tables with ZafWriteLanguageTable.
// GUI thread only.

#include "framework/core/text/ZafLanguageData.h"

class ZafObjectPersistence;

// The stored data of the class name (a new object the caller owns), or null
// when the file holds none or a damaged record.
ZafLanguageData *ZafReadLanguageData(const wchar_t *name, ZafObjectPersistence &persistence);
// Writes a table (ended by a null text) under the class name; answers the
// storage error, 0 on success.
ZafError ZafWriteLanguageTable(const wchar_t *name, const ZafLanguageStruct *table, ZafObjectPersistence &persistence);
// The persistence the language manager's loader reads from (null: the loader
// finds nothing). Installs or removes the loader; answers the previous one.
ZafObjectPersistence *ZafSetLanguagePersistence(ZafObjectPersistence *persistence);
