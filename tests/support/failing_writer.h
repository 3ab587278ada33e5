#pragma once
// Saves that fail part way, as on a full disk: a writer that writes the
// first bytes it is given and fails every write after them.

#include "data/file_io.h"
#include "state/app_state.h"

#include <cstddef>

namespace cal::test {

class FailingWriter final : public FileWriter {
public:
    explicit FailingWriter(std::size_t bytes) : m_left(bytes) {}
    long writeSome(int fd, const char* data, std::size_t size) override;

private:
    std::size_t m_left;
};

// Every save of `state` fails after `bytes` bytes while this lives.
class FailingSaves {
public:
    FailingSaves(AppState& state, std::size_t bytes) : m_state(state), m_old(state.fileWriter), m_writer(bytes) {
        state.fileWriter = &m_writer;
    }
    ~FailingSaves() { m_state.fileWriter = m_old; }
    FailingSaves(const FailingSaves&) = delete;
    FailingSaves& operator=(const FailingSaves&) = delete;

private:
    AppState& m_state;
    FileWriter* m_old;
    FailingWriter m_writer;
};

}  // namespace cal::test
