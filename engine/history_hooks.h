#pragma once
// The turn sequence takes move-history snapshots at fixed points; the history itself lives in
// a higher layer that implements this interface.

namespace kelmira {

class Game;

class HistoryHooks {
public:
    virtual ~HistoryHooks() = default;
    virtual void reset(Game& g) = 0;
    virtual void take(Game& g) = 0;
    // The human changed the position since the last snapshot.
    virtual void markInput(Game& g) = 0;
};

}  // namespace kelmira
