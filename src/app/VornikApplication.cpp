#include "VornikApplication.h"

#include "DbError.h"
#include "Tdm.h"

VornikApplication::VornikApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("vornik"));
    setApplicationVersion(QStringLiteral(VORNIK_VERSION));
    setOrganizationName(QStringLiteral("vornik"));
}

bool VornikApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError& e) {
        Tdm::instance().reportError(e.message());
    } catch (const std::exception& e) {
        Tdm::instance().reportError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}
