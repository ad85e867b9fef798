#include "chart/thread_choice.h"

#include <algorithm>

namespace chart {
namespace {

// Each picture colour considers only its nearest threads in straight CIELAB distance, whose perceived
// differences are then worked out: among the 40 nearest lies the nearest by perceived difference for
// every cell of the bench's photographs, and the short lists keep the search fast.
constexpr int kCandidates = 40;
// Passes of swap improvement; the search stops earlier once a pass finds nothing better.
constexpr int kMostPasses = 8;

struct Candidate {
    int other = 0;  // the thread for a colour's list, the colour for a thread's list
    double difference = 0;
};

// The facility-location problem over the threads: picture colours are served by their nearest open
// thread, at its perceived difference times their weight.
class Search {
public:
    Search(const std::vector<WeightedColour>& colours, const std::vector<Lab>& threads)
        : colours_(colours), threads_(static_cast<int>(threads.size())),
          listLength_(std::min(kCandidates, threads_)),
          lists_(colours.size() * static_cast<std::size_t>(listLength_)),
          byThread_(static_cast<std::size_t>(threads_)), open_(static_cast<std::size_t>(threads_), -1),
          nearest_(colours.size()) {
        std::vector<std::pair<double, int>> straight(static_cast<std::size_t>(threads_));
        for (std::size_t i = 0; i < colours.size(); ++i) {
            for (int j = 0; j < threads_; ++j) {
                straight[static_cast<std::size_t>(j)] = {labDistanceSquared(colours[i].colour, threads[static_cast<std::size_t>(j)]), j};
            }
            std::partial_sort(straight.begin(), straight.begin() + listLength_, straight.end());
            Candidate* list = &lists_[i * static_cast<std::size_t>(listLength_)];
            for (int k = 0; k < listLength_; ++k) {
                const int j = straight[static_cast<std::size_t>(k)].second;
                list[k] = Candidate{j, perceivedDifference(colours[i].colour, threads[static_cast<std::size_t>(j)])};
            }
            std::sort(list, list + listLength_, [](const Candidate& x, const Candidate& y) {
                return x.difference < y.difference || (x.difference == y.difference && x.other < y.other);
            });
            for (int k = 0; k < listLength_; ++k) {
                byThread_[static_cast<std::size_t>(list[k].other)].push_back(Candidate{static_cast<int>(i), list[k].difference});
            }
        }
    }

    std::vector<int> run(int most) {
        addGreedily(std::min(most, threads_));
        improveBySwaps();
        return chosen_;
    }

private:
    struct Served {
        int by = -1;          // the open thread that serves the colour, -1 when none of its list is open
        double first = 0;     // its difference
        double second = 0;    // the difference of the next open thread of the list
    };

    const Candidate* list(std::size_t colour) const { return &lists_[colour * static_cast<std::size_t>(listLength_)]; }
    // What a colour costs with none of its list open: as much as the farthest of its list.
    double unserved(std::size_t colour) const { return list(colour)[listLength_ - 1].difference; }

    // Greedy start: open, one at a time, the thread that lowers the total the most.
    void addGreedily(int most) {
        std::vector<double> cost(colours_.size());
        for (std::size_t i = 0; i < colours_.size(); ++i) cost[i] = unserved(i);
        while (static_cast<int>(chosen_.size()) < most) {
            int best = -1;
            double bestGain = 0;
            for (int j = 0; j < threads_; ++j) {
                if (open_[static_cast<std::size_t>(j)] >= 0) continue;
                double gain = 0;
                for (const Candidate& c : byThread_[static_cast<std::size_t>(j)]) {
                    const auto i = static_cast<std::size_t>(c.other);
                    if (c.difference < cost[i]) gain += colours_[i].weight * (cost[i] - c.difference);
                }
                if (gain > bestGain) {
                    bestGain = gain;
                    best = j;
                }
            }
            if (best < 0) break;  // every colour is already as well served as its list allows
            open(best, static_cast<int>(chosen_.size()));
            chosen_.push_back(best);
            for (const Candidate& c : byThread_[static_cast<std::size_t>(best)]) {
                const auto i = static_cast<std::size_t>(c.other);
                cost[i] = std::min(cost[i], c.difference);
            }
        }
    }

    void open(int thread, int slot) { open_[static_cast<std::size_t>(thread)] = slot; }

    void serve(std::size_t i) {
        Served s{-1, unserved(i), unserved(i)};
        const Candidate* l = list(i);
        for (int k = 0; k < listLength_; ++k) {
            if (open_[static_cast<std::size_t>(l[k].other)] < 0) continue;
            if (s.by < 0) {
                s.by = l[k].other;
                s.first = l[k].difference;
            } else {
                s.second = l[k].difference;
                break;
            }
        }
        nearest_[i] = s;
    }

    // Swap improvement: for each closed thread, the open one whose place it takes lowers the total the
    // most (worked out for all open threads in one sweep of the colours near the closed one); such a
    // swap is made at once, and passes repeat until none lowers the total.
    void improveBySwaps() {
        const int slots = static_cast<int>(chosen_.size());
        if (slots == 0) return;
        for (std::size_t i = 0; i < colours_.size(); ++i) serve(i);
        double total = 0;
        for (std::size_t i = 0; i < colours_.size(); ++i) total += colours_[i].weight * nearest_[i].first;
        const double worthwhile = 1e-9 * total;

        std::vector<double> loss(static_cast<std::size_t>(slots));
        std::vector<double> delta(static_cast<std::size_t>(slots));
        const auto removalLosses = [&] {
            std::fill(loss.begin(), loss.end(), 0.0);
            for (std::size_t i = 0; i < colours_.size(); ++i) {
                const Served& s = nearest_[i];
                if (s.by >= 0) loss[static_cast<std::size_t>(open_[static_cast<std::size_t>(s.by)])] += colours_[i].weight * (s.second - s.first);
            }
        };
        removalLosses();
        for (int pass = 0; pass < kMostPasses; ++pass) {
            bool improved = false;
            for (int j = 0; j < threads_; ++j) {
                if (open_[static_cast<std::size_t>(j)] >= 0) continue;
                delta = loss;
                double shared = 0;
                for (const Candidate& c : byThread_[static_cast<std::size_t>(j)]) {
                    const auto i = static_cast<std::size_t>(c.other);
                    const Served& s = nearest_[i];
                    const double w = colours_[i].weight;
                    const double gain = w * std::min(c.difference - s.first, 0.0);
                    shared += gain;
                    if (s.by >= 0) {
                        delta[static_cast<std::size_t>(open_[static_cast<std::size_t>(s.by)])] +=
                            w * (std::min(c.difference, s.second) - s.second) - gain;
                    }
                }
                const auto best = std::min_element(delta.begin(), delta.end());
                if (*best + shared >= -worthwhile) continue;
                swap(j, static_cast<int>(best - delta.begin()));
                removalLosses();
                improved = true;
            }
            if (!improved) break;
        }
    }

    void swap(int incoming, int slot) {
        const int outgoing = chosen_[static_cast<std::size_t>(slot)];
        open_[static_cast<std::size_t>(outgoing)] = -1;
        open(incoming, slot);
        chosen_[static_cast<std::size_t>(slot)] = incoming;
        // Only colours that list one of the two threads can be served differently.
        for (const Candidate& c : byThread_[static_cast<std::size_t>(outgoing)]) serve(static_cast<std::size_t>(c.other));
        for (const Candidate& c : byThread_[static_cast<std::size_t>(incoming)]) serve(static_cast<std::size_t>(c.other));
    }

    const std::vector<WeightedColour>& colours_;
    int threads_;
    int listLength_;
    std::vector<Candidate> lists_;                  // per colour, nearest first
    std::vector<std::vector<Candidate>> byThread_;  // per thread, the colours whose list holds it
    std::vector<int> open_;                         // per thread, its slot among the chosen, -1 when closed
    std::vector<int> chosen_;
    std::vector<Served> nearest_;
};

}  // namespace

std::vector<int> chooseThreads(const std::vector<WeightedColour>& colours, const std::vector<Lab>& threads, int most) {
    if (colours.empty() || threads.empty() || most < 1) return {};
    return Search(colours, threads).run(most);
}

}  // namespace chart
