#pragma once
// Triangle half of the 3D mathematics module: do two triangles in the plane or in space
// share a point, and along which segment do two triangles in space cut each other.
// Every decision is the sign of a determinant evaluated in double precision with no
// tolerance; the build compiles this unit without fused multiply-add.

// Points are plain arrays: two doubles (x, y) in the plane, three (x, y, z) in space.
// Triangles are closed and may be given in either orientation; results are 1 when the
// triangles have a point in common, 0 when they have none. Nothing is read beyond the
// points, nothing is kept between calls, and inputs are never written.

// Overlap of two triangles in the plane. A triangle of zero area (a segment or a point)
// is tested as that segment or point.
int tri_tri_overlap_test_2d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2);

// The same for two counter-clockwise triangles of non-zero area; the order is not checked.
int ccw_tri_tri_intersection_2d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2);

// Overlap of two triangles known to lie in one plane with normal `normal_1` (any length,
// either sign): both are projected onto the coordinate plane where that normal is largest
// and tested in 2D. `normal_2` is accepted for symmetry and never read.
int coplanar_tri_tri3d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2,
                       double* normal_1, double* normal_2);

// Overlap of two triangles in space; coplanar pairs go to coplanar_tri_tri3d, and a triangle
// whose normal comes out exactly zero is tested as the segment or point it is.
int tri_tri_overlap_test_3d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2);

// Overlap of two triangles in space with the segment they share.
// Returns 0 when disjoint; nothing is written then.
// Returns 1 for non-coplanar triangles that meet, with the segment's end points in `source`
// and `target` (equal when they touch in one point); an end point whose edge runs parallel
// to the other plane falls back on that edge's start vertex.
// For coplanar pairs, and pairs where a triangle is a segment or a point, `*coplanar` is set
// to 1 (never to 0: clear it before the call) and the overlap answer is returned with no
// segment. `source` and `target` may share storage with the inputs.
int tri_tri_intersection_test_3d(double* p1, double* q1, double* r1, double* p2, double* q2, double* r2,
                                 int* coplanar, double* source, double* target);
