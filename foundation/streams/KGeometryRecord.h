#pragma once
// Stream records of the geometry values, without tag or version: a KPoint is
// x, y and a KRect left, top, right, bottom, each a signed 32-bit value.
// Reads throw KXStream kErrFileRead when the stream ends early.

class KPoint;
class KRect;
class KStream;

void KWritePoint(KStream &stream, const KPoint &point);
void KReadPoint(KStream &stream, KPoint &point);
void KWriteRect(KStream &stream, const KRect &rect);
void KReadRect(KStream &stream, KRect &rect);
