// The start-up probe as Qt's generic plugin "startupprobe", for Windows,
// where nothing is preloaded: Qt loads it while the application starts, and
// loading it installs the probe (StartupProbe.cpp). It creates nothing.
#include <QGenericPlugin>

class StartupProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "StartupProbePlugin.json")

public:
    QObject* create(const QString&, const QString&) override { return nullptr; }
};

#include "StartupProbePlugin.moc"
