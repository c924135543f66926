// The simulated aircraft as the panel host sees it: variable values by
// token, the failures in force, the events the panel has sent, and how many
// gauge updates have run.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vexmoor::panel {

struct SentEvent {
    std::string gauge;  // the gauge whose mouse area sent it
    std::uint32_t event_id = 0;
};

class SimulationState {
public:
    // A token that was never set reads 0.0.
    double value(std::uint32_t token) const;
    void set_value(std::uint32_t token, double value) { values_[token] = value; }
    void clear_value(std::uint32_t token) { values_.erase(token); }

    bool failed(std::int32_t key) const { return failures_.count(key) != 0; }
    void set_failure(std::int32_t key, bool active = true);
    const std::set<std::int32_t>& failures() const { return failures_; }

    void send_event(SentEvent event) { events_.push_back(std::move(event)); }
    const std::vector<SentEvent>& events() const { return events_; }

    // One more gauge update has run.
    void count_update() { ++update_count_; }
    std::uint64_t update_count() const { return update_count_; }

private:
    std::map<std::uint32_t, double> values_;
    std::set<std::int32_t> failures_;
    std::vector<SentEvent> events_;
    std::uint64_t update_count_ = 0;
};

}  // namespace vexmoor::panel
