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

Which birds does the text say ride warm rising air to gain height?
- eagles and vultures
- vultures and pelicans
+ storks and eagles
- pelicans and storks

Which modern hazards does the text name?
- lost wetlands and wind farms
- wind farms and power lines
- power lines and lit buildings
+ lit buildings and lost wetlands

What does the text take up right after the distances some birds fly?
- how birds find their way
- how young birds learn their routes
+ when in the day different birds fly
- why birds store fat before leaving

Which statement does the text close with?
+ a bird is safe only if every stop is safe
- modern hazards make the trip even harder
- some young birds make their first trip alone
- birds enjoy the best season in each place
