#include "ILIRecords.h"

#include "LexicalSchema.h"

ILIRecords::ILIRecords(void* database)
    : Collection<ILIRecord>(database, schema::kDefaultContainer, schema::kIliStore) {}

ILIRecords::~ILIRecords() = default;
