#pragma once

#include <QByteArray>
#include <QString>

// Pinyin initials of a name, one lower-case letter or digit per character, from the
// character's GBK code: the first-level characters of GB2312 are ordered by pinyin, so
// ranges of codes give the initial. "张三" -> "zs". Brackets (either width) give
// nothing; letters and digits (either width) give themselves in lower case; anything
// else - punctuation, blanks, second-level and rare characters, characters without a
// GBK form such as emoji - gives "*", one per character.
QString PinyinInitials(const QString &text);

// The same for text already in GBK bytes. A lead byte left over at the end is dropped.
QString PinyinInitialsGbk(const QByteArray &gbk);
