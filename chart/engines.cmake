# Chart engines, axes and titles, the view, the factory and the hosting control.
list(APPEND CHART_SOURCES
    axes/cf_EngineFrame.cpp
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
    kinds/cf_eng_CartXYZ.cpp
    kinds/cf_eng_Polar.cpp
    kinds/cf_eng_Line2D.cpp
    kinds/cf_eng_PointSer2D.cpp
    view/cf_EngineFactory.cpp
    view/cf_ChartView.cpp
    view/cf_ChartViewSettings.cpp
    view/ZafChartControl.cpp
    view/ZafChartControlForward.cpp
)

# Solids, surfaces and the other chart engines: area, bar, column, stack,
# ribbon and three-dimensional engines, and the pies.
list(APPEND CHART_SOURCES
    solids/cf_CompoundExtents.cpp
    solids/cf_3DFacet.cpp
    solids/cf_FacetStore.cpp
    solids/cf_FacetedObj.cpp
    solids/cf_3DPolyHedra.cpp
    solids/cf_3DBoxHedra.cpp
    solids/cf_3DRadialHedra.cpp
    solids/cf_3DRadialHedraDraw.cpp
    solids/cf_3DPhedraSeries.cpp
    solids/cf_3DSurface.cpp
    engine/cf_GroupLayout.cpp
    kinds/cf_eng_Area2D.cpp
    kinds/cf_eng_Bar2D.cpp
    kinds/cf_eng_Col2D.cpp
    kinds/cf_eng_StackBase.cpp
    kinds/cf_eng_Stack2D.cpp
    kinds/cf_eng_PointSer3D.cpp
    kinds/cf_eng_Line3D.cpp
    kinds/cf_eng_Area3D.cpp
    kinds/cf_eng_Bar3D.cpp
    kinds/cf_eng_Col3D.cpp
    kinds/cf_eng_Stack3D.cpp
    kinds/cf_eng_Ribbon3D.cpp
    kinds/cf_eng_Ribbon2D.cpp
    kinds/cf_PieTopRim.cpp
    kinds/cf_eng_Pie2D.cpp
    kinds/cf_eng_Pie3D.cpp
    kinds/cf_eng_XPie2D3D.cpp
)
