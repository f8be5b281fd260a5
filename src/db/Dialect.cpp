#include "Dialect.h"

#include "PostgresDialect.h"
#include "SqliteDialect.h"

std::unique_ptr<Dialect> Dialect::create(ConnectionInfo::Engine engine)
{
    if (engine == ConnectionInfo::Engine::PostgreSQL)
        return std::make_unique<PostgresDialect>();
    return std::make_unique<SqliteDialect>();
}
