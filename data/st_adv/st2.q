# How Glaciers Carve Valleys

What is the text mainly about?
+ how glaciers form, move and reshape the land beneath them
- why the glaciers of the world are now melting so quickly
- how to tell a valley cut by a river from a mountain pass
- how the most recent ice age finally came to an end

How does a glacier begin?
- a river freezes solid for several winters in a row
- sea ice is driven onto the land by winter storms
+ more snow falls each winter than melts in the summer
- rain soaks into old snow and freezes during the night

What happens in the process called plucking?
- stones frozen into the ice grind the bedrock smooth
+ meltwater refreezes in cracks and loose blocks are torn away
- the ice melts at its base and slides across the rock
- streams beneath the ice cut deep channels into the rock

What do scientists use striations for?
- to tell how many years ago the ice melted away
- to estimate how thick the ancient ice once was
- to trace the bedrock that erratics came from
+ to work out the direction in which ancient ice flowed

Why are hanging valleys left high above the main valley floor?
- the rock of the side valleys was harder than granite
+ smaller side glaciers could not cut as deep as the main one
- the crust beneath the side valleys has risen since the ice
- rivers later filled the main valley with sand and clay

What are aretes?
- rounded hollows at the heads of valleys
- pointed peaks sharpened from several sides
+ narrow, jagged ridges between neighboring cirques
- long, flooded troughs that reach the sea

Why are parts of Scandinavia still slowly rising?
+ the crust is recovering from the weight of the ice
- sea levels are falling as the oceans slowly cool
- moraines keep building up along the coastline
- volcanic activity deep below is lifting the land

What are erratics?
- ridges of boulders that mark the edge of former ice
- long scratches left in the bedrock by moving ice
- small lakes that now fill the hollows of cirques
+ huge stones resting far from the rock they came from
