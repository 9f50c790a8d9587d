#include "engine/UnitFinder.h"

#include "ml/DeviceNames.h"
#include "ml/In.h"
#include "ml/Out.h"
#include "ml/TransferScope.h"
#include "ml/UnitIdentity.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr std::uint8_t kAllDevices = 0x7F;
constexpr std::uint8_t kGeneralInformation = 0x06;
constexpr std::uint8_t kIdentityRequestId = 0x01;
constexpr std::uint8_t kIdentityReplyId = 0x02;
// F0 7E dd 06 02 41 f1 f2 + four family number and four version bytes + F7.
constexpr std::size_t kIdentityReplySize = 15;

// How long the replies to the request on every output are awaited, and how
// long after the last one more may still come (a second unit).
constexpr milliseconds kAskAllWait{1000};
constexpr milliseconds kAskAgainAfter{400};
constexpr milliseconds kQuietAfterReply{150};
// The same when one output is asked alone.
constexpr milliseconds kAskOneWait{400};
constexpr milliseconds kQuietAfterOneReply{60};
// Waits are cut into slices so that a cancel is seen soon.
constexpr milliseconds kSlice{20};

struct SReply {
    std::size_t input = 0;
    std::uint8_t deviceId = 0;
    Clock::time_point at;
};

// Where the inputs' dispatch threads leave the replies they recognised for
// the thread that searches.
class CReplyBoard {
public:
    void Add(std::size_t input, std::uint8_t deviceId) {
        {
            const std::lock_guard lock(mutex_);
            replies_.push_back({input, deviceId, Clock::now()});
        }
        changed_.notify_all();
    }

    std::vector<SReply> Take() {
        const std::lock_guard lock(mutex_);
        std::vector<SReply> taken;
        taken.swap(replies_);
        return taken;
    }

    // Waits until `enough` says the replies so far are enough, the
    // deadline has come or stop says so; the replies so far.
    template <typename Enough, typename Stop>
    std::vector<SReply> Wait(Clock::time_point deadline, Enough enough, Stop stop) {
        std::unique_lock lock(mutex_);
        while (!stop()) {
            const auto now = Clock::now();
            if (now >= deadline || enough(replies_, now))
                break;
            changed_.wait_until(lock, std::min(deadline, now + kSlice));
        }
        return replies_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<SReply> replies_;
};

// An input port that only looks out for the unit's identity reply.
class CListeningIn final : public ML::CIn {
public:
    CListeningIn(CReplyBoard& board, std::size_t index) : board_(board), index_(index) {}
    ~CListeningIn() override {
        Stop();
        Close();
    }

protected:
    void OnLongData(const std::uint8_t* data, std::uint32_t length) override {
        const std::span<const std::uint8_t> bytes(data, length);
        // A buffer may hold more than one message.
        for (std::size_t start = 0; start < bytes.size(); ++start) {
            if (bytes[start] != 0xF0)
                continue;
            const auto end = std::find(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(), 0xF7);
            if (end == bytes.end())
                return;
            const std::size_t size = static_cast<std::size_t>(end - bytes.begin()) - start + 1;
            if (const auto id = CUnitFinder::IdentityReplyDeviceId(bytes.subspan(start, size)))
                board_.Add(index_, *id);
            start += size - 1;
        }
    }

private:
    CReplyBoard& board_;
    const std::size_t index_;
};

std::size_t CommonPrefix(const std::string& a, const std::string& b) {
    const auto [ai, bi] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return static_cast<std::size_t>(ai - a.begin());
}

} // namespace

bool CUnitFinder::Cancelled() const { return cancelled_.load() || (stop_ && stop_()); }

void CUnitFinder::Step(const SUnitFinderStep& step) const {
    if (onStep_)
        onStep_(step);
}

std::optional<std::uint8_t> CUnitFinder::IdentityReplyDeviceId(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != kIdentityReplySize || bytes[0] != 0xF0 || bytes[1] != ML::kUniversalNonRealTime ||
        bytes[3] != kGeneralInformation || bytes[4] != kIdentityReplyId || bytes[5] != ML::kMakerId ||
        bytes[6] != ML::kFamilyCode[0] || bytes[7] != ML::kFamilyCode[1] || bytes.back() != 0xF7)
        return std::nullopt;
    // The data bytes are 7-bit; a device id above 0x7F is no reply.
    if (bytes[2] > 0x7F)
        return std::nullopt;
    return bytes[2];
}

std::vector<std::uint8_t> CUnitFinder::IdentityRequest(std::uint8_t deviceId) {
    return {0xF0, ML::kUniversalNonRealTime, deviceId, kGeneralInformation, kIdentityRequestId, 0xF7};
}

std::vector<std::size_t> CUnitFinder::OutputOrder(const std::vector<std::string>& outputs,
                                                  const std::vector<std::string>& answeringInputs) {
    std::vector<std::size_t> score(outputs.size(), 0);
    for (std::size_t i = 0; i < outputs.size(); ++i)
        for (const std::string& input : answeringInputs)
            score[i] = std::max(score[i], CommonPrefix(outputs[i], input));
    std::vector<std::size_t> order(outputs.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return score[a] > score[b]; });
    return order;
}

std::vector<SFoundUnit> CUnitFinder::Find(milliseconds budget) {
    const auto end = Clock::now() + budget;
    inputsOpened_ = 0;
    outputsOpened_ = 0;
    const ML::CTransferScope transfer;
    CReplyBoard board;

    // The board outlives the inputs, whose threads write to it.
    std::vector<std::unique_ptr<CListeningIn>> inputs;
    std::vector<std::string> inputNames;
    for (const std::string& name : ML::GetInputDeviceNames()) {
        if (Cancelled())
            return {};
        auto input = std::make_unique<CListeningIn>(board, inputs.size());
        if (!input->Open(name) || !input->Start())
            continue;
        inputs.push_back(std::move(input));
        inputNames.push_back(name);
    }
    std::vector<std::unique_ptr<ML::COut>> outputs;
    std::vector<std::string> outputNames;
    for (const std::string& name : ML::GetOutputDeviceNames()) {
        if (Cancelled())
            return {};
        auto output = std::make_unique<ML::COut>();
        if (!output->Open(name))
            continue;
        outputs.push_back(std::move(output));
        outputNames.push_back(name);
    }
    inputsOpened_ = static_cast<int>(inputs.size());
    outputsOpened_ = static_cast<int>(outputs.size());
    if (inputs.empty() || outputs.empty())
        return {};

    const auto stop = [this] { return Cancelled(); };
    const std::vector<std::uint8_t> request = IdentityRequest(kAllDevices);

    // Every output at once: which inputs bring back a unit's reply at all.
    Step({SUnitFinderStep::kAskingAll, {}, 0, outputsOpened_, inputsOpened_});
    for (auto& output : outputs) {
        if (Cancelled())
            return {};
        output->SendLong(request);
    }
    const auto quiet = [](milliseconds after) {
        return [after](const std::vector<SReply>& replies, Clock::time_point now) {
            return !replies.empty() && now >= replies.back().at + after;
        };
    };
    const auto askedAll = Clock::now();
    std::vector<SReply> first = board.Wait(std::min(end, askedAll + kAskAgainAfter), quiet(kQuietAfterReply), stop);
    if (first.empty() && !Cancelled()) {
        // A connection just made may carry nothing yet in its first cycles
        // (PipeWire takes a new link in a little later than it lists it):
        // the request goes out once more.
        for (auto& output : outputs)
            output->SendLong(request);
        first = board.Wait(std::min(end, askedAll + kAskAllWait), quiet(kQuietAfterReply), stop);
    }
    board.Take();
    if (Cancelled())
        return {};

    // One entry per input and device id that answered, in input order.
    std::vector<SReply> answered;
    for (const SReply& reply : first) {
        const bool known = std::any_of(answered.begin(), answered.end(), [&](const SReply& other) {
            return other.input == reply.input && other.deviceId == reply.deviceId;
        });
        if (!known)
            answered.push_back(reply);
    }
    std::sort(answered.begin(), answered.end(), [](const SReply& a, const SReply& b) { return a.input < b.input; });
    std::vector<SFoundUnit> found;
    if (answered.empty())
        return found;
    if (outputs.size() == 1) {
        for (const SReply& reply : answered)
            found.push_back({inputNames[reply.input], outputNames[0], reply.deviceId});
        return found;
    }

    // Then one output at a time, the likeliest first, until every reply
    // has the output that caused it.
    std::vector<std::string> answeringNames;
    for (const SReply& reply : answered)
        answeringNames.push_back(inputNames[reply.input]);
    std::vector<std::optional<std::string>> pairedOutput(answered.size());
    const std::vector<std::size_t> order = OutputOrder(outputNames, answeringNames);
    int asked = 0;
    for (const std::size_t o : order) {
        const bool allPaired = std::all_of(pairedOutput.begin(), pairedOutput.end(),
                                           [](const auto& output) { return output.has_value(); });
        if (allPaired || Cancelled() || Clock::now() >= end)
            break;
        Step({SUnitFinderStep::kAskingOne, outputNames[o], ++asked, outputsOpened_, inputsOpened_});
        if (!outputs[o]->SendLong(request))
            continue;
        const std::vector<SReply> replies =
            board.Wait(std::min(end, Clock::now() + kAskOneWait), quiet(kQuietAfterOneReply), stop);
        board.Take();
        for (const SReply& reply : replies) {
            for (std::size_t a = 0; a < answered.size(); ++a) {
                if (answered[a].input == reply.input && answered[a].deviceId == reply.deviceId && !pairedOutput[a])
                    pairedOutput[a] = outputNames[o];
            }
        }
    }
    for (std::size_t a = 0; a < answered.size(); ++a) {
        if (pairedOutput[a])
            found.push_back({inputNames[answered[a].input], *pairedOutput[a], answered[a].deviceId});
    }
    return found;
}

SPairCheck CUnitFinder::Check(const std::string& input, const std::string& output, std::uint8_t deviceId,
                              milliseconds timeout) {
    CReplyBoard board;
    CListeningIn in(board, 0);
    if (!in.Open(input) || !in.Start())
        return {SPairCheck::kInputUnavailable};
    ML::COut out;
    if (!out.Open(output))
        return {SPairCheck::kOutputUnavailable};
    const ML::CTransferScope transfer;
    const auto stop = [this] { return Cancelled(); };

    // The chosen device id first: that is what every transfer sends.
    const auto sent = Clock::now();
    if (!out.SendLong(IdentityRequest(deviceId)))
        return {SPairCheck::kOutputUnavailable};
    const auto ofId = [deviceId](const std::vector<SReply>& replies, Clock::time_point) {
        return std::any_of(replies.begin(), replies.end(), [&](const SReply& r) { return r.deviceId == deviceId; });
    };
    auto asked = sent;
    std::vector<SReply> replies = board.Wait(sent + timeout * 2 / 5, ofId, stop);
    if (replies.empty() && !Cancelled()) {
        // As in Find: a connection just made may carry nothing at first.
        asked = Clock::now();
        out.SendLong(IdentityRequest(deviceId));
        replies = board.Wait(sent + timeout, ofId, stop);
    }
    for (const SReply& reply : replies) {
        if (reply.deviceId != deviceId)
            continue;
        const auto ms = std::max<long long>(0, std::chrono::duration_cast<milliseconds>(reply.at - asked).count());
        return {SPairCheck::kAnswered, static_cast<int>(ms), deviceId};
    }
    if (Cancelled())
        return {SPairCheck::kCancelled};

    // Then every device: a unit set to another id says which.
    board.Take();
    const auto again = Clock::now();
    if (!out.SendLong(IdentityRequest(kAllDevices)))
        return {SPairCheck::kOutputUnavailable};
    const auto any = [](const std::vector<SReply>& replies, Clock::time_point) { return !replies.empty(); };
    const std::vector<SReply> all = board.Wait(again + timeout, any, stop);
    if (Cancelled())
        return {SPairCheck::kCancelled};
    if (all.empty())
        return {SPairCheck::kNoAnswer};
    if (all.front().deviceId == deviceId) {
        // The first request or its reply was lost on the way; this one came.
        const auto ms = std::chrono::duration_cast<milliseconds>(all.front().at - again).count();
        return {SPairCheck::kAnswered, static_cast<int>(ms), deviceId};
    }
    return {SPairCheck::kOtherDeviceId, 0, all.front().deviceId};
}
