#ifndef CHART_HARNESS_GROUPS_MODEL_H
#define CHART_HARNESS_GROUPS_MODEL_H

// A chart model for the engine tests, filled group by group: group 1 holds
// the first list of y values, group 2 the second, and so on.
#include "chart/model/cf_ChartModel.h"

#include <initializer_list>
#include <vector>

struct GroupsModel {
    GroupsModel(int mode, std::initializer_list<std::vector<double>> groups) : model(nullptr, mode)
    {
        int g = 0;
        for (const std::vector<double> &values : groups) {
            model.SelectGroup(++g);
            for (double y : values)
                model.AddValue(y);
        }
    }
    cf_ChartModel model;
};

#endif
