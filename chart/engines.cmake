# Chart engines, axes and titles, the view, the factory and the hosting control.
list(APPEND CHART_SOURCES
    engine/cf_EngineFrame.cpp
    axes/cf_3DTextMarker.cpp
    axes/cf_3DTextMarkerDraw.cpp
    axes/cf_3DTextMarkerSeries.cpp
    axes/cf_3DGridTickSeries.cpp
    axes/cf_3DGridTickSeriesBuild.cpp
    axes/cf_3DGTS_AutoMark.cpp
    axes/cf_TitleMarkerMgr.cpp
    scene/cf_3DBitmap.cpp
    engine/cf_ChartEngine.cpp
    engine/cf_ChartEngineLayout.cpp
    engine/cf_ChartEngineDraw.cpp
    engine/cf_eng_CartXYZ.cpp
    engine/cf_eng_Polar.cpp
    engine/cf_eng_Line2D.cpp
    engine/cf_eng_PointSer2D.cpp
    view/cf_EngineFactory.cpp
    view/cf_ChartView.cpp
    view/cf_ChartViewSettings.cpp
    view/ZafChartControl.cpp
    view/ZafChartControlForward.cpp
)
