#include "StoreTransaction.h"

#include "StoreFailure.h"
#include "StorePath.h"
#include "toolkit/UserFiles.h"

#include <sys/file.h>

namespace registry {

namespace {
thread_local StoreTransaction::State* current = nullptr;
}

StoreTransaction::State* StoreTransaction::Current(const std::string& path)
{
    return current && current->file.m_path == path ? current : nullptr;
}

StoreTransaction::StoreTransaction(Kind kind, const std::string& path)
    : m_state(new State{kind == Writing, StoreFile(path), {}, {}, false, current})
{
    const StoreFile& file = m_state->file;
    if (Current(path) || !file.CanRead())
        return; // within another on the same store, it is part of that one

    if (kind == Reading) {
        m_state->loaded = Exists(file.Folder()) ? file.Load(false) : StoreFile::Loaded{};
    } else if (file.CanWrite() && toolkit::MakePrivateFolders(file.Folder())) {
        m_state->lock.emplace(file.Folder(), LOCK_EX);
        if (m_state->lock->Error())
            Fail(m_state->lock->Error());
        else
            m_state->loaded = file.Load(true);
        if (!m_state->loaded)
            m_state->lock.reset(); // the calls go on without it, and fail as they would
    }
    current = m_state.get();
}

StoreTransaction::~StoreTransaction()
{
    Commit();
    if (current == m_state.get())
        current = m_state->outer;
}

bool StoreTransaction::Commit()
{
    if (!m_state->writing || !m_state->changed || !m_state->loaded)
        return true;
    m_state->changed = false;
    return m_state->file.Replace(*m_state->loaded);
}

} // namespace registry
