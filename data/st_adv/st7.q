# The Long Journeys of Migrating Birds

Which of these does the text mention in its opening paragraph?
- a godwit flying a week without a stop
+ seabirds looping across whole oceans
- songbirds resting in shelter by day
- caged birds growing restless before departure

What does the text say scientists began fitting on birds' legs?
+ numbered rings
- numbered bands
- colored rings
- colored bands

Which advantages of the far north in summer does the text list?
- long days, plenty of insects and few predators
+ long days, plenty of insects and few competitors
- mild nights, plenty of seeds and few competitors
- long days, plenty of seeds and few predators

What does the text compare the weight of tiny songbirds to?
- a few feathers
- a few sugar cubes
- a few paper clips
+ a few coins

Which birds does the text say often fly in V formations?
- pelicans and cranes
- cranes and ibises
- ibises and geese
+ geese and pelicans

Which risk of migration does the text NOT name?
+ human hunters
- storms
- predators
- sheer exhaustion

What does the text take up right after the distances some birds fly?
- how birds find their way
- how young birds learn their routes
+ when in the day different birds fly
- why birds store fat before leaving

Which statement does the text close with?
- migration lets birds enjoy the best season in each place
- modern hazards such as lit buildings make the trip harder
+ the resting places along each route must be protected
- birds steer by several independent compasses
