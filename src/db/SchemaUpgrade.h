#pragma once

class Database;

// Brings databases made by older versions up to date; each step does nothing once done.
namespace SchemaUpgrade {

// Adds loanlog, counter (0 in every existing row), ownnumber and things to loans where missing, the index on
// the due date, and on the server the getdate() function.
void upgradeLoans(Database& db);

// Sets back identity counters that ran ahead of the keys in use (servers that skip values after a restart).
void repairIdentities(Database& db);

} // namespace SchemaUpgrade
