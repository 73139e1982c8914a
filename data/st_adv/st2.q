# How Glaciers Carve Valleys

Which region does the text NOT name?
- the Alps
- Scotland
+ Greenland
- North America

What does the text say fluffy snowflakes become before they turn into solid ice?
- a soft, wet slush
- a loose, powdery layer
+ a dense granular material
- a thin, layered crust

Which word completes the text's phrase "among the clearest ___ left by glaciers"?
- signs
+ signatures
- fingerprints
- traces

What does the text describe right before it names the Matterhorn?
+ narrow ridges called aretes
- pointed peaks called horns
- hollows called cirques
- small lakes inside cirques

What does the text say the landscapes left by retreating glaciers offer today?
- an early warning of future warming
- a measure of how fast the climate is changing
- evidence that the ice ages are truly over
+ a vivid record of climate history

Which word does the text use for how tributary valleys are left above the main floor?
- stranded
+ perched
- suspended
- raised

Which material does the text NOT list as part of moraines?
- boulders
- sand
- clay
+ gravel

Which point does the text make in its final paragraph?
+ huge stones once puzzled early naturalists
- parts of Scandinavia are still slowly rising
- meltwater refreezes and tears rocks loose
- fjords formed where ice cut below sea level
