# Caring for a Dog

What is the text mainly about?
- how to choose the right breed for a family
+ what it takes to look after a dog well
- why dogs make better pets than most animals
- how people first came to keep dogs at home

Why should treats be kept small?
- big treats spoil a dog's appetite for its meals
- big treats teach a dog to beg at the table
+ extra weight is hard on the joints and the heart
- big treats can choke a young puppy

Why should you check the water bowl before going out on a hot day?
+ a dog drinks far more than usual when it is hot
- water left in the sun soon turns stale and green
- insects like to gather in bowls in the summer
- a metal bowl can grow too hot for a dog to use

What does a dog that is bored and full of energy often do?
- barks at everyone who passes the house
- sleeps through most of the day and night
- runs away to look for other dogs to play with
+ finds its own fun, such as chewing shoes

What does the text say everyone in the home should do?
- take turns at walking the dog
+ use the same words and rules
- feed the dog at the same times
- keep the dog out of the bedrooms

Why do dogs with long coats need brushing often?
- to keep fleas and ticks away
- to keep them cool in the summer
+ to stop painful knots from forming
- to stop them shedding hair indoors

Why are regular checks at the vet worthwhile?
- they are needed before a puppy may be walked outside
+ they can catch problems early, when they are easier to treat
- they teach a dog to stay calm among strangers
- they are the only way to get treatments for fleas

What may happen to a dog that is left alone for long hours?
- it may forget the commands it has learned
- it may stop eating the food it is given
- it may grow too fat from lying about
+ it may become lonely and unhappy
