#pragma once
// The chart the training program's chart pane builds for one trace: a line
// chart of one group of 5001 samples of 1500 on a 0..3000 power axis, with
// the pane's margins, time labels every 0.5 s around the gun and the
// "Power" axis title. Works on a view or on a chart control.

#include "chart/model/cf_ChartModel.h"


// The time axis's labels in place of those the values brought along.
template <class Chart> void AddPaneTimeLabels(Chart &chart)
{
    chart.Model()->Domain()->Clear();
    static const wchar_t *const seconds[] = {L"-3", L"-2.5", L"-2", L"-1.5", L"-1", L"-0.5",
                                             L"Gun", L"0.5", L"1", L"1.5", L"2"};
    for (int k = 0; k <= 50; ++k)
        chart.AddAxisLabel(k % 5 == 0 ? seconds[k / 5] : L"", 1, k * 100.0);
}

template <class Chart> void BuildPaneChart(Chart &chart, int samples = 5001, double value = 1500)
{
    chart.SetKernelFlag(1);
    chart.SetMargins(8, 12, 10, 12);
    chart.EngineDispAttribs(0)->SetFillColor(bf_Color(7));
    chart.GroupDispAttribs(1)->SetFillColor(bf_Color(9));
    for (int i = 0; i < samples; ++i)
        chart.AddGroupValue(1, value);
    chart.SetRange(0, 3000);
    chart.SetAxisTicks(4, 600, 1, 2, 0);
    chart.SetAxisLabelStep(4, 1, 0);
    AddPaneTimeLabels(chart);
    chart.SetAxisScaleSource(2, 1);
    chart.AddAxisTitleAt(L"Power", 4, -117, 0, 0);
}
