// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Corvane-Entwickler

#include "spots/AdifLog.h"

#include "geo/CallsignTable.h"

#include <QBuffer>
#include <QHash>
#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int maxTagBytes = 256;    // a longer "<..." is free text, not a tag
constexpr int maxValueBytes = 32;   // bytes kept of a CALL or DXCC field; calls have at most 20
constexpr qint64 maxLength = qint64(1) << 50;  // a longer field length counts as this, bytes
constexpr int maxKnownCalls = 65536;  // calls whose entity is kept; some 6 MB

bool nameIs(const char* name, int length, const char* wanted)
{
    if (int(std::strlen(wanted)) != length)
        return false;
    for (int i = 0; i < length; ++i)
        if ((name[i] & ~0x20) != wanted[i])  // ASCII letters in either case
            return false;
    return true;
}

// The tag and field reader, fed the log a chunk at a time: outside a tag it looks for "<",
// inside one it gathers up to maxTagBytes, inside a field's data it counts the bytes down.
class StreamReader {
public:
    explicit StreamReader(const CallsignTable& calls) : calls_(calls) {}

    void feed(const char* bytes, qint64 count);
    AdifLog::Worked finish();

private:
    enum class State { Text, Tag, Data };
    enum class Field { Other, Call, Dxcc };

    // Each takes what it can of the bytes from position_ on and returns how many it took.
    qint64 text(const char* bytes, qint64 count);
    qint64 tag(const char* bytes, qint64 count);
    qint64 data(const char* bytes, qint64 count);
    void tagEnded();
    void fieldEnded();
    void endOfRecord();

    // What a call's entity adds to the worked ones: its number, else its main prefix; neither
    // for a call of no known entity.
    struct Entity {
        int dxcc = 0;
        QString prefix;
    };
    const Entity& entityOf(const QByteArray& call);

    const CallsignTable& calls_;
    // The calls looked up lately: a log names the same stations again and again, and a lookup
    // costs far more than reading the QSO. Emptied when full.
    QHash<QByteArray, Entity> known_;
    AdifLog::Worked worked_;
    State state_ = State::Text;
    qint64 position_ = 0;   // offset in the log of the next byte to read
    qint64 tagStart_ = 0;   // offset of the "<" of the current tag
    char tag_[maxTagBytes];
    int tagLength_ = 0;     // bytes in tag_
    Field field_ = Field::Other;
    qint64 remaining_ = 0;  // bytes of the field's data still to come
    QByteArray value_;      // the start of a CALL or DXCC field's data
    QByteArray call_;       // of the current QSO
    int dxcc_ = 0;          // of the current QSO
};

void StreamReader::feed(const char* bytes, qint64 count)
{
    const char* const end = bytes + count;
    while (bytes < end) {
        qint64 taken = 0;
        switch (state_) {
        case State::Text:
            taken = text(bytes, end - bytes);
            break;
        case State::Tag:
            taken = tag(bytes, end - bytes);
            break;
        case State::Data:
            taken = data(bytes, end - bytes);
            break;
        }
        bytes += taken;
        position_ += taken;
    }
}

qint64 StreamReader::text(const char* bytes, qint64 count)
{
    const char* open = static_cast<const char*>(std::memchr(bytes, '<', std::size_t(count)));
    if (!open)
        return count;
    state_ = State::Tag;
    tagLength_ = 0;
    tagStart_ = position_ + (open - bytes);
    return open - bytes + 1;
}

qint64 StreamReader::tag(const char* bytes, qint64 count)
{
    for (qint64 i = 0; i < count; ++i) {
        const char c = bytes[i];
        if (c == '>') {
            tagEnded();
            return i + 1;
        }
        if (c == '<') {  // the "<" before was a stray one in free text
            tagLength_ = 0;
            tagStart_ = position_ + i;
            continue;
        }
        if (tagLength_ == maxTagBytes) {  // too long for a tag: free text
            state_ = State::Text;
            return i;
        }
        tag_[tagLength_++] = c;
    }
    return count;
}

qint64 StreamReader::data(const char* bytes, qint64 count)
{
    const qint64 taken = std::min(count, remaining_);
    if (field_ != Field::Other && value_.size() < maxValueBytes)
        value_.append(bytes, int(std::min<qint64>(taken, maxValueBytes - value_.size())));
    remaining_ -= taken;
    if (remaining_ == 0)
        fieldEnded();
    return taken;
}

void StreamReader::tagEnded()
{
    state_ = State::Text;
    const char* colon = static_cast<const char*>(std::memchr(tag_, ':', std::size_t(tagLength_)));
    if (!colon) {  // a tag without data
        if (nameIs(tag_, tagLength_, "EOR")) {
            endOfRecord();
        } else if (nameIs(tag_, tagLength_, "EOH")) {
            call_.clear();  // the header's fields belong to no QSO
            dxcc_ = 0;
        }
        return;
    }
    // "<NAME:LENGTH[:TYPE]>DATA"
    const int nameLength = int(colon - tag_);
    const char* p = colon + 1;
    const char* const end = tag_ + tagLength_;
    if (p == end || *p < '0' || *p > '9')
        return;  // no length: skipped
    qint64 length = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p)
        length = std::min(length * 10 + (*p - '0'), maxLength);
    field_ = Field::Other;
    if (nameIs(tag_, nameLength, "CALL"))
        field_ = Field::Call;
    else if (nameIs(tag_, nameLength, "DXCC"))
        field_ = Field::Dxcc;
    value_.clear();
    remaining_ = length;
    if (remaining_ == 0)
        fieldEnded();
    else
        state_ = State::Data;
}

void StreamReader::fieldEnded()
{
    state_ = State::Text;
    if (field_ == Field::Call)
        call_ = value_.trimmed().toUpper();
    else if (field_ == Field::Dxcc)
        dxcc_ = value_.trimmed().toInt();
}

const StreamReader::Entity& StreamReader::entityOf(const QByteArray& call)
{
    if (const auto found = known_.constFind(call); found != known_.constEnd())
        return *found;
    if (known_.size() >= maxKnownCalls)
        known_.clear();
    Entity entity;
    if (const auto looked = calls_.lookup(QString::fromLatin1(call))) {
        if (looked->dxcc > 0)
            entity.dxcc = looked->dxcc;
        else
            entity.prefix = looked->prefix;
    }
    return *known_.insert(call, entity);
}

void StreamReader::endOfRecord()
{
    if (dxcc_ > 0) {
        worked_.dxcc.insert(dxcc_);
    } else if (!call_.isEmpty()) {
        const Entity& entity = entityOf(call_);
        if (entity.dxcc > 0)
            worked_.dxcc.insert(entity.dxcc);
        else if (!entity.prefix.isEmpty())
            worked_.prefixes.insert(entity.prefix);
    }
    if (dxcc_ > 0 || !call_.isEmpty())
        ++worked_.records;
    call_.clear();
    dxcc_ = 0;
}

AdifLog::Worked StreamReader::finish()
{
    worked_.cutOff = state_ == State::Data;
    // A field cut off ends the log where its tag began; its QSO is no QSO.
    worked_.bytesRead = worked_.cutOff ? tagStart_ : position_;
    return worked_;
}

} // namespace

AdifLog::Worked AdifLog::read(QIODevice& log, const CallsignTable& calls)
{
    StreamReader reader(calls);
    std::vector<char> chunk(chunkBytes);
    for (;;) {
        const qint64 count = log.read(chunk.data(), chunkBytes);
        if (count <= 0)
            break;
        reader.feed(chunk.data(), count);
    }
    return reader.finish();
}

AdifLog::Worked AdifLog::read(const QByteArray& log, const CallsignTable& calls)
{
    QBuffer buffer;
    buffer.setData(log);
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, calls);
}
