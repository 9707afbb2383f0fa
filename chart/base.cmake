# Values, display back end, attributes, viewing kernel, scene objects, model.
list(APPEND CHART_SOURCES
    values/cf_Check.cpp
    values/cf_Format.cpp
    values/cf_String.cpp
    values/cf_DyArr.cpp
    values/cf_Stack.cpp
    values/cf_XYZ.cpp
    kernel/cf_Kernel.cpp
    backend/bf_Font.cpp
    backend/bf_Display.cpp
    backend/bf_DisplayDraw.cpp
    attribs/cf_AutoScaleFont.cpp
    attribs/cf_TextAttribs.cpp
    model/cf_DataGroup.cpp
    model/cf_ChartModel.cpp
    model/cf_ChartModelItems.cpp
    model/cf_ChartModelRanges.cpp
    attribs/cf_DispAttribsDraw.cpp
    attribs/cf_AutoScaleFontDraw.cpp
    kernel/cf_KernelDisplay.cpp
    scene/cf_Virt3DObj.cpp
    scene/cf_3DPoint.cpp
    scene/cf_3DPointSeries.cpp
    scene/cf_3DPointSeriesBlock.cpp
    scene/cf_3DPolyLine.cpp
    scene/cf_3DPolygon.cpp
)
