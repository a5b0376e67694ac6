#include "RegistryManager.h"

#ifdef _WIN32
struct RegistryManager::Transaction::Store
{
};

RegistryManager::Transaction::Transaction(Kind) {}

bool RegistryManager::Transaction::Commit()
{
    return true;
}
#else
#include "registry/filestore/StoreTransaction.h"

struct RegistryManager::Transaction::Store
{
    registry::StoreTransaction transaction;
};

RegistryManager::Transaction::Transaction(Kind kind)
    : m_store(new Store{registry::StoreTransaction(kind == Writing
                                                       ? registry::StoreTransaction::Writing
                                                       : registry::StoreTransaction::Reading)})
{
}

bool RegistryManager::Transaction::Commit()
{
    return m_store->transaction.Commit();
}
#endif

RegistryManager::Transaction::~Transaction() = default;
