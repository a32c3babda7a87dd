#pragma once
// Free mathematics routines of the plot library: decimal logarithm and power for the
// logarithmic scales, the cubic spline, polynomial and rational interpolants behind curved
// traces, and integer segment tests for hit tests. The interpolants take arrays indexed from
// 1 to n (element 0 unused), so each array holds at least n + 1 values; a shorter array or
// n < 1 raises EiPlotError "Interpolation array too short" instead of reading past its end.

#include "platform/gui/canvas/Geometry.h"

#include <span>
#include <vector>

/// Decimal logarithm in extended precision. X <= 0 raises EiPlotError ("Floating point
/// division by zero" for 0, "Invalid floating point operation" below it).
long double Log10(long double X);
/// Base raised to Exponent in extended precision; a Base of 0 or below raises as Log10.
long double Power(long double Base, long double Exponent);

/// Second derivatives of the cubic spline through (xa[i], ya[i]), i = 1..n, for distinct
/// increasing xa; both end slopes are the slopes of the end segments. y2a gets n + 1 values.
void Spline(std::span<const double> xa, std::span<const double> ya, int n, std::vector<double>& y2a);
/// Y of that spline at x; equal neighbouring xa raise "Splint Error - xa's must be distinct".
double Splint(std::span<const double> xa, std::span<const double> ya, std::span<const double> y2a, int n, double x);
/// Y at x of the polynomial through all n points (Neville's scheme) and its error estimate;
/// two equal xa raise "Polynomial Interpolation Error - Pause in Routine Data".
void PolynomialInterpolate(std::span<const double> xa, std::span<const double> ya, int n, double x, double& y,
                           double& dy);
/// Y at x of the diagonal rational function through the n points and its error estimate;
/// a pole at x raises "Rational Interpolation Error - Pause in Routine Data".
void RationalInterpolate(std::span<const double> xa, std::span<const double> ya, int n, double x, double& y,
                         double& dy);

/// The line y = Slope * x + Intercept through two points; a vertical line has Slope 1e30.
void LineThroughPoints(TPoint P1, TPoint P2, double& Slope, double& Intercept);
/// Whether the closed segments A1-A2 and B1-B2 share a point (touching ends and collinear
/// overlaps included), by orientation tests, so vertical segments are exact.
bool SegmentsIntersect(TPoint A1, TPoint A2, TPoint B1, TPoint B2);
/// Whether the segment crosses an edge of R or has an end inside R (edges included).
bool SegmentIntersectsRect(TPoint P1, TPoint P2, const TRect& R);
