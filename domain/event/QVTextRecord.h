#pragma once
// QVReadText: reads a text (a string record) of a document file into a field
// of fixed length. A longer text, which this program never writes, is cut to
// what the field keeps and reported to the program log with the field's
// name, so that a file from elsewhere still opens and the loss is on record.

class KStream;
class KString;

// field names the field in the log line ("last name"); throws as
// KString::Read does.
void QVReadText(KStream &stream, KString &target, const wchar_t *field);
