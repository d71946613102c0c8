#pragma once

#include <QString>

// How the windows of this process draw their scene graph, and why.
struct RenderingChoice
{
    enum Backend { Software, Hardware };
    Backend backend;
    QString reason;
};

// Whether an OpenGL renderer string names a rasterizer that runs on the CPU.
bool isSoftwareRasterizer(const QString &glRenderer);

// Picks the scene-graph backend; call it after the QGuiApplication exists and before
// the first Qt Quick window is created.
//
// The artwork animates continuously. On a CPU rasterizer (llvmpipe and the like) the
// OpenGL scene graph redraws the whole window for every frame of any animation, which
// costs most of a core; the software scene graph redraws only the parts that changed.
// So the software backend is used whenever OpenGL would run on the CPU or is missing,
// and a real GPU keeps the default. A backend the user chose through QT_QUICK_BACKEND or
// QSG_RHI_BACKEND is left alone.
RenderingChoice chooseSceneGraphBackend();
