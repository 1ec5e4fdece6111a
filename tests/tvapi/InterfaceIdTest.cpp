// Every interface of the host headers carries a well-formed id of its own, distinct from
// every other interface's id: a shared id would make a query answer with the wrong kind.

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tvapi/Application.h"
#include "tvapi/AuxiliaryGeometry.h"
#include "tvapi/AuxiliaryObjects.h"
#include "tvapi/Dictionary.h"
#include "tvapi/Dimensions.h"
#include "tvapi/Dimensions3D.h"
#include "tvapi/DrawingObject.h"
#include "tvapi/DrawingPrimitives.h"
#include "tvapi/Features3D.h"
#include "tvapi/Model3D.h"
#include "tvapi/ModelSearch.h"
#include "tvapi/ParametricConstraint.h"
#include "tvapi/Part.h"
#include "tvapi/PropertyManager.h"
#include "tvapi/SurfaceFeatures.h"
#include "tvapi/Symbols3D.h"
#include "tvapi/TervanAPIObject.h"
#include "tvapi/Topology.h"

namespace {

template <class... I> std::set<std::string> Ids()
{
    static_assert((tvapi::IsInterfaceId(I::IID) && ...));
    static_assert((tvapi::DeclaresOwnId<I>() && ...));
    return {I::IID...};
}

} // namespace

TEST(InterfaceIdTest, IdsAreWellFormedAndDistinct)
{
    using namespace tvapi;
    const std::set<std::string> ids =
        Ids<IAPIObject, IApplication, ITervanDictionary, ITervanAPIObject, IVariable, IVertex, IEdge,
            IMathCurve3D, IDrawingObject, IDrawingGroup, IDrawingObject1, IParametricConstraint, IView,
            IDrawingContainer, ISymbols2DContainer, IMacroObject, IBaseLeader, ILeader, ICutLine, ITolerance,
            IHatch, IColouring, IBoundariesObject, IStamp, IText, ITechnicalDemand, ITextItem, ITextFont,
            ITextLine, ILineSegment, ICircle, IArc, IEllipse, IDrawingText, IPoint, IHatchParam, IBranchs,
            IUserParameters, ILayer, ILayers, IViews, IViewsAndLayersManager, IDrawingGroups, ILineSegments,
            IArcs, ICircles, IEllipses, IDrawingTexts, IHatches, IPoints, IColourings, IMacroObjects,
            ICutLines, ILeaders, IDimensionText, IDimensionParams, ILineDimension, IDiametralDimension,
            IRadialDimension, IAngleDimension, ILineDimensions, IDiametralDimensions, IRadialDimensions,
            IAngleDimensions, IAttributeType, IAttrTypeMng, IAttribute, IUserDataStorage, IUserDataStorages,
            IUserDataStoragesMng, ITervanDocument, ITervanDocument2D, IPhantom2D, IPlacement3D,
            IBaseManipulator, IPlacement3DManipulator, IEditDoubleManipulator, IConjunctivePoint,
            IConjunctivePoints, ILocalCoordinateSystem, ILocalCoordinateSystems, IFaceSplit, IFaceSplits,
            IExtrusion, IRotated, IEvolution, IExtrusions, IRotateds, IEvolutions, IBoolean, IBooleans,
            ICopyGeometry, ICopiesGeometry, IMacroObject3D, IMacroObjects3D, IUserObject3D, IUserObjects3D,
            ISurfaceContainer, ISurfacePatch, ISurfacePatches, IRuledSurfaceParametersByCurves, IRuledSurface,
            IRuledSurfaces, IOpenDocumentParam, IThread, IThreads, ISymbols3DContainer,
            IFindObjectParameters3D, IFindObjects3D, IDimension3D, IBaseLineDimension3D, ILineDimension3D,
            ILineDimensions3D, IModelCurve3D, IVector3DByCoefficientsParameters, IVector3D, IThinParameters,
            ISurfaceThickening, ITrimmedSurface, IEquidistantSurface, IFaceRemover, ISurfaceSewer, IScaling3D,
            ICurveOutLine, IContour3D, IBilletObsolete, IBilletsObsoletes, ISurfaceThickenings,
            ITrimmedSurfaces, IEquidistantSurfaces, IFaceRemovers, ISurfaceSewers, IScalings3D,
            ICurveOutLines, IContours3D>();
    EXPECT_EQ(ids.size(), 135u);
}
