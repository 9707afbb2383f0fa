#pragma once
// QVResult: one trial of a workout or event: six text fields (first name,
// last name, affiliation and the three identifications: lane, id, licence),
// the source (the port group it came from), a result code, the false-start
// mark, the times measured relative to the gun, up to nine photobeam break
// times, the power value and the two-channel force trace of 2 x 5001 16-bit
// samples. A result belongs to its QVResults list (which deletes it), or
// stands alone when made with no list. Changes of a listed result are
// announced through its list (topic 14, data = the result); the list's event
// holds its lock around them. GUI thread.

#include <cstdint>
#include <vector>

#include "domain/timing/VRaceTime.h"
#include "foundation/containers/KSortedList.h"
#include "foundation/strings/KString.h"

class KStream;
class QVResults;

class QVResult : public KSortedListItem
{
public:
    // Text fields.
    enum Field { kFirstName = 0, kLastName = 1, kAffiliation = 2, kLane = 3, kIdentity = 4, kLicence = 5 };
    // Result codes (7 is drawn grey by the list).
    enum Code { kCodeNone = 0, kCodeDidNotStart, kCodeFalseStart, kCodeDidNotFinish, kCodeDisqualified,
                kCodeScratched, kCodeAdvanced, kCodeLast = 7 };
    // Power values that hold no power; kPowerBlank is shown as an empty text.
    static constexpr int32_t kPowerNone = INT32_MIN;             // 0x80000000
    static constexpr int32_t kPowerBlank = INT32_MIN + 0x1000;   // 0x80001000
    static constexpr int32_t kPowerInvalid = INT32_MIN + 0x1001; // 0x80001001
    // Reaction times below this many milliseconds are false starts.
    static constexpr int32_t kFalseStartLimit = 100;
    // A false start: a valid reaction time below kFalseStartLimit milliseconds.
    static bool IsFalseStartTime(const VRaceTime &reaction);

    // A free-standing empty result when list is none.
    explicit QVResult(QVResults *list = nullptr, int32_t id = -1);
    ~QVResult() override;
    QVResult(const QVResult &) = delete;
    QVResult &operator=(const QVResult &) = delete;

    QVResults *Results() const { return m_list; }
    int32_t Id() const { return m_id; }

    // Copies every field and the trace of other (not the list or id).
    void CopyFrom(const QVResult &other);
    // Field-for-field and sample-for-sample equality (not the list or id).
    bool Equals(const QVResult &other) const;

    // Text fields (index 0..5; others answer an empty text and are ignored).
    const KString &TextField(int index) const;
    void SetTextField(int index, const KString &text);
    const KString &FirstName() const { return TextField(kFirstName); }
    const KString &LastName() const { return TextField(kLastName); }
    const KString &Affiliation() const { return TextField(kAffiliation); }
    void SetFirstName(const KString &text) { SetTextField(kFirstName, text); }
    void SetLastName(const KString &text) { SetTextField(kLastName, text); }
    const KString &Source() const { return m_source; }
    void SetSource(const KString &text);
    int32_t SourceNumber() const { return m_sourceNumber; }
    void SetSourceNumber(int32_t number);

    int32_t ResultCode() const { return m_code; }
    // Codes outside 0..7 are ignored.
    void SetResultCode(int32_t code);
    bool IsFalseStart() const { return m_falseStart; }
    void SetFalseStart(bool on);
    // Per-image print flag.
    bool HasFlag() const { return m_printFlag; }
    void SetFlag(bool on);

    // Times relative to the gun.
    const VRaceTime &ReactionTime() const { return m_reaction; }
    // Sets the reaction time and the false-start mark with it: the mark is
    // set exactly when the time is valid and below 100 ms.
    void SetReactionTime(const VRaceTime &time);
    const VRaceTime &TimeToDistance() const { return m_timeToDistance; }
    void SetTimeToDistance(const VRaceTime &time);
    // Time to distance minus reaction time; no time unless both hold one.
    VRaceTime RawTime() const;
    // Set command and set reference: times before the gun (positive values).
    // The names are those the chart calls them by; both are getters.
    const VRaceTime &SetCommandTime() const { return m_setCommand; }
    const VRaceTime &SetReferenceTime() const { return m_setReference; }
    void StoreSetCommandTime(const VRaceTime &time);
    void StoreSetReferenceTime(const VRaceTime &time);
    const VRaceTime &GunReferenceTime() const { return m_gunReference; }
    void StoreGunReferenceTime(const VRaceTime &time);
    const VRaceTime &FinishTime() const { return m_finish; }
    void SetFinishTime(const VRaceTime &time);

    // Photobeam breaks 0..8; out of range answers no time.
    int BreakCount() const { return m_breakCount; }
    VRaceTime TrialTime(int index) const;
    // Break index minus the reaction time.
    VRaceTime RawTrialTime(int index) const;
    // Sets up to nine break times; the count is cut to 0..9.
    void SetTrialTimes(const VRaceTime *times, int count);

    int32_t Power() const { return m_power; }
    void SetPower(int32_t power);
    bool HasPower() const;
    // Appends the power as decimal; nothing for a blank or missing power.
    void FormatPower(KString &text) const;
    uint32_t ReplyFlags() const { return m_replyFlags; }
    void SetReplyFlags(uint32_t flags);

    // The download window of the trace, in ms from its first sample.
    int32_t DownloadStart() const { return m_downloadStart; }
    int32_t DownloadEnd() const { return m_downloadEnd; }
    void SetDownloadWindow(int32_t startMs, int32_t endMs);

    // Bytes of trace data: 0 (no trace) or 2 x 5001 x 2.
    int32_t TraceLength() const { return int32_t(m_trace.size() * sizeof(int16_t)); }
    // Stores 5001 samples of each channel; a null channel clears the trace.
    void SetTrace(const int16_t *channelA, const int16_t *channelB);
    void ClearTrace();
    // Sample i (0..5000) of channel 0 (A) or 1 (B); 0 without a trace.
    int16_t Sample(int channel, int index) const;
    // Writes 5001 doubles of channel A, then 5001 of channel B; zeros
    // without a trace. destination holds 2 x 5001 values.
    void DecodeTrace(double *destination) const;

    // The stored record (see docs/event-files.md). Read throws KXPersistent
    // kErrFileVersion for a version it does not take and kErrFileContents for
    // bad contents.
    void Write(KStream &stream) const;
    void Read(KStream &stream);

    static void Startup();
    static void Shutdown();

    // Results keep the order they were added in.
    bool OrdersBefore(const KSortedListItem &other) const override;

private:
    friend class QVResults;
    void Attach(QVResults *list, int32_t id);
    void BeginChange();
    void EndChange();
    // One field set between BeginChange and EndChange.
    template <class Field, class Value> void Change(Field &field, const Value &value)
    {
        BeginChange();
        field = value;
        EndChange();
    }

    QVResults *m_list;
    int32_t m_id;
    KString63 m_text[6];
    KString31 m_source;
    int32_t m_sourceNumber = 0;
    int32_t m_code = kCodeNone;
    bool m_falseStart = false;
    bool m_printFlag = false;
    VRaceTime m_reaction;
    VRaceTime m_timeToDistance;
    VRaceTime m_setCommand;
    VRaceTime m_setReference;
    VRaceTime m_gunReference;
    VRaceTime m_finish;
    int m_breakCount = 0;
    VRaceTime m_breaks[9];
    int32_t m_power = kPowerNone;
    uint32_t m_replyFlags = 0;
    int32_t m_downloadStart = 0;
    int32_t m_downloadEnd = 0;
    std::vector<int16_t> m_trace;   // empty, or channel A then channel B
};
