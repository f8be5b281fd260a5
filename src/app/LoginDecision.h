#pragma once

class Tdm;
class Tloginf;

// Whether the user must log in: with user management on the login window is shown and a failed or
// abandoned login ends the program; with it off the program runs as the built-in user with full rights.
namespace LoginDecision {

struct Options
{
    bool usersOn = false;       // "zapnout správu uživatelů"
    bool rememberLogin = false; // "pamatovat si přihlašovací údaje"
};

// False when the program is to end. The login window is given so tests can drive it.
bool run(Tdm& dm, const Options& options, Tloginf& login);

} // namespace LoginDecision
