#include "rendering.h"

#include "designlog.h"

#include <QDir>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWindow>
#include <QSGRendererInterface>

bool isSoftwareRasterizer(const QString &glRenderer)
{
    static const char *const cpuRenderers[] = {"llvmpipe",    "softpipe", "swrast",      "software rasterizer",
                                               "swiftshader", "lavapipe", "gdi generic", "microsoft basic render"};
    const QString renderer = glRenderer.toLower();
    for (const char *name : cpuRenderers) {
        if (renderer.contains(QLatin1String(name)))
            return true;
    }
    return false;
}

namespace {

// Without a render node no GPU is reachable, and OpenGL could only run on the CPU. Asking
// OpenGL itself would load the whole CPU rasterizer (tens of megabytes, a tenth of a
// second) just to hear that.
bool hasRenderNode()
{
#ifdef Q_OS_LINUX
    return !QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System).isEmpty();
#else
    return true;
#endif
}

QString openGLRenderer()
{
    QOpenGLContext context;
    if (!context.create())
        return {};
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!surface.isValid() || !context.makeCurrent(&surface))
        return {};
    const auto *name = reinterpret_cast<const char *>(context.functions()->glGetString(GL_RENDERER));
    QString renderer = name ? QString::fromLatin1(name) : QString();
    context.doneCurrent();
    return renderer;
}

} // namespace

RenderingChoice chooseSceneGraphBackend()
{
    RenderingChoice choice{RenderingChoice::Hardware, {}};
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QSG_RHI_BACKEND")) {
        choice.reason = QStringLiteral("chosen by the environment");
        choice.backend =
            QQuickWindow::graphicsApi() == QSGRendererInterface::Software ? RenderingChoice::Software : RenderingChoice::Hardware;
    } else if (!hasRenderNode()) {
        choice = {RenderingChoice::Software, QStringLiteral("no GPU render node")};
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    } else {
        const QString renderer = openGLRenderer();
        if (renderer.isEmpty()) {
            choice = {RenderingChoice::Software, QStringLiteral("no OpenGL")};
        } else if (isSoftwareRasterizer(renderer)) {
            choice = {RenderingChoice::Software, QStringLiteral("OpenGL renders on the CPU (%1)").arg(renderer)};
        } else {
            choice = {RenderingChoice::Hardware, QStringLiteral("OpenGL renders on %1").arg(renderer)};
        }
        if (choice.backend == RenderingChoice::Software)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
    qCInfo(lcDesign) << "scene graph:" << (choice.backend == RenderingChoice::Software ? "software" : "hardware") << "-" << choice.reason;
    return choice;
}
